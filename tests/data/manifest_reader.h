#pragma once
// Reading the data folder's manifests (data/manifest/*.txt) in the tests: one file per line,
// columns separated by "|", the first column the path below Data/.

#include <string>
#include <vector>

namespace data_test {

struct Entry {
  std::string path;                  // below Data/
  std::vector<std::string> columns;  // all columns, trimmed (columns[0] is the path)
  int line = 0;
};

// The entries of one manifest file (empty when it does not exist).
std::vector<Entry> ReadManifest(const std::string& name);
// The staged data folder, "…/Data/".
std::string DataDir();
std::string Lower(std::string s);

}  // namespace data_test
