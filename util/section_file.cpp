#include "util/section_file.h"

#include "platform/files.h"
#include "util/error.h"
#include "util/strings.h"

int ccTestSectionHeader(const std::string& name, const std::string& line, const std::string& where) {
  if (ccUpperCase(line) == "[" + name + "]") return 0;
  std::string message = "[" + name + "] header hot found";
  if (!where.empty()) message += " (" + where + ")";
  ccRunTimeError(message, 1);
  return 0;
}

std::vector<std::string> ccLoadSectionArrayFromArray(const std::vector<std::string>& lines, int& index) {
  std::vector<std::string> section;
  if (index < 0) index = 0;
  while (index < static_cast<int>(lines.size())) {
    const std::string& line = lines[static_cast<std::size_t>(index)];
    if (!line.empty() && line[0] == '[') break;
    section.push_back(line);
    ++index;
  }
  return section;
}

std::string ccLoadSectionStringFromArray(const std::vector<std::string>& lines, int& index) {
  std::string line;
  if (index >= 0 && index < static_cast<int>(lines.size())) line = lines[static_cast<std::size_t>(index)];
  ++index;
  return line;
}

std::vector<std::string> ccLoadSectionArrayFromFile(platform::InStream& stream, std::string& header) {
  std::vector<std::string> section;
  std::string line = stream.ReadLine();
  while ((line.empty() || line[0] != '[') && !stream.Eof()) {
    section.push_back(line);
    line = stream.ReadLine();
  }
  header = line;
  if (!line.empty() && line[0] != '[') section.push_back(line);
  return section;
}

std::string ccLoadSectionStringFromFile(platform::InStream& stream, std::string& header) {
  std::string line = stream.ReadLine();
  header = stream.ReadLine();
  return line;
}
