#pragma once
// Strings of the saved game block, the career statistics block and the best scores file: an int32
// character count, then one byte per character (its low 8 bits). Counts are never masked.

#include <string>

namespace platform {
class InStream;
class OutStream;
}  // namespace platform

void WriteCountedString(platform::OutStream& out, const std::string& utf8);
// Reads a counted string into `utf8`. False (nothing changed) when the stream ends early or the
// count lies outside 0..maxLength or beyond the bytes left; `error` then says which.
bool ReadCountedString(platform::InStream& in, std::string& utf8, int maxLength, std::string* error);
