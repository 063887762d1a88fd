#pragma once
// Text is UTF-8 everywhere in the game. The game's files store one byte per character (Latin-1) or
// UTF-16 with a byte-order mark; these helpers convert at the edges.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

std::string Latin1ToUtf8(const std::string& bytes);
// Each code point's low 8 bits, as the game's text files store characters.
std::string Utf8ToLatin1(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& text);
std::u16string Utf8ToUtf16(const std::string& utf8);
// Decodes with BOM detection: FF FE -> UTF-16 LE, FE FF -> UTF-16 BE, EF BB BF -> UTF-8, else Latin-1.
std::string DecodeText(const std::vector<unsigned char>& bytes);
// Code points of a UTF-8 string (invalid bytes are taken as Latin-1).
std::vector<char32_t> CodePoints(const std::string& utf8);
std::string FromCodePoint(char32_t cp);
// Number of characters (code points).
int CharCount(const std::string& utf8);

}  // namespace platform
