#pragma once
// Section files: runs of sections, each opened by a header line "[NAME]" (compared after
// upper-casing a to z, nothing else on the line) and holding every following line up to the next
// line that begins with "[". Readers load the file, split it into lines and walk it with an index.

#include <string>
#include <vector>

namespace platform {
class InStream;
}

// 0 when the upper-cased line equals "[" + name + "]" (pass the name in upper case); otherwise the
// fatal error "[" + name + "] header hot found", followed by " (" + where + ")" when `where` (the
// file and line the header was read from) is given.
int ccTestSectionHeader(const std::string& name, const std::string& line, const std::string& where = {});
// The lines from `index` up to the next line beginning with "[" (or the end); `index` is left on
// that line (or at lines.size()). Empty when `index` already stands on a header or past the end.
std::vector<std::string> ccLoadSectionArrayFromArray(const std::vector<std::string>& lines, int& index);
// The line at `index` ("" past the end or before the start); `index` advances by one either way.
std::string ccLoadSectionStringFromArray(const std::vector<std::string>& lines, int& index);
// The same two reads straight from a text stream: the content lines up to the next header (left
// in `header`; at the end of the stream a last non-empty content line is both returned and left
// there), and a one-line section followed by its next header.
std::vector<std::string> ccLoadSectionArrayFromFile(platform::InStream& stream, std::string& header);
std::string ccLoadSectionStringFromFile(platform::InStream& stream, std::string& header);
