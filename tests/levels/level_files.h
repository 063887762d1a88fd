#pragma once
// Reading the committed level files as text, for the tests over the level data.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace level_test {

// The whole file, empty when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The text's lines without their line ends (a CR before the LF included).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream ss(text);
  std::string line;
  while (std::getline(ss, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace level_test
