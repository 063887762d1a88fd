#include "tools/manifest/manifest_table.h"

#include <fstream>
#include <sstream>

std::string ManifestTrim(const std::string& text) {
  const auto begin = text.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

bool ReadManifestTable(const std::string& file, std::vector<ManifestRow>& rows, std::string& error) {
  std::ifstream in(file);
  if (!in) {
    error = "cannot read " + file;
    return false;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const std::string trimmed = ManifestTrim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    ManifestRow row;
    row.line = number;
    std::stringstream columns(trimmed);
    std::string column;
    while (std::getline(columns, column, '|')) row.columns.push_back(ManifestTrim(column));
    const auto bar = trimmed.find('|');
    row.has_bar = bar != std::string::npos;
    if (row.has_bar) row.rest = ManifestTrim(trimmed.substr(bar + 1));
    rows.push_back(std::move(row));
  }
  return true;
}
