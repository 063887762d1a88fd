#include "manifest_reader.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "platform/system.h"

namespace data_test {

namespace {

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

}  // namespace

std::vector<Entry> ReadManifest(const std::string& name) {
  std::vector<Entry> out;
  std::ifstream in(std::string(QUILL_MANIFEST_DIR) + name);
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    const std::string t = Trim(line);
    if (t.empty() || t[0] == '#') continue;
    Entry e;
    e.line = n;
    std::stringstream ss(t);
    std::string col;
    while (std::getline(ss, col, '|')) e.columns.push_back(Trim(col));
    e.path = e.columns.empty() ? "" : e.columns[0];
    out.push_back(e);
  }
  return out;
}

std::string DataDir() { return platform::DataPrefix() + "Data/"; }

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace data_test
