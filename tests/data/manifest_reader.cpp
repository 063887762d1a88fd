#include "manifest_reader.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "platform/system.h"
#include "tools/manifest/manifest_table.h"

namespace data_test {

std::vector<Entry> ReadManifest(const std::string& name) {
  std::vector<Entry> out;
  std::vector<ManifestRow> rows;
  std::string error;
  if (!ReadManifestTable(std::string(QUILL_MANIFEST_DIR) + name, rows, error)) return out;
  for (const ManifestRow& row : rows) {
    Entry e;
    e.line = row.line;
    e.columns = row.columns;
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
