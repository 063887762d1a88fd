#include "tools/art/manifest.h"

#include <cstdio>

#include "tools/manifest/manifest_table.h"

namespace art {

bool ReadImageManifest(const std::string& file, std::vector<PictureFile>& out, std::string& error) {
  std::vector<ManifestRow> rows;
  if (!ReadManifestTable(file, rows, error)) return false;
  for (const ManifestRow& row : rows) {
    const std::vector<std::string>& cols = row.columns;
    const std::string where = file + ":" + std::to_string(row.line) + ": ";
    if (cols.size() < 4) {
      error = where + "expected 'path | WxH | cells | loaded by'";
      return false;
    }
    PictureFile s;
    s.path = cols[0];
    char tail = 0;
    if (std::sscanf(cols[1].c_str(), "%dx%d%c", &s.w, &s.h, &tail) != 2 || s.w <= 0 || s.h <= 0) {
      error = where + "bad size '" + cols[1] + "'";
      return false;
    }
    if (cols[2] == "-") {
      s.cell_w = s.w;
      s.cell_h = s.h;
      s.frames = 1;
    } else if (std::sscanf(cols[2].c_str(), "%dx%d*%d%c", &s.cell_w, &s.cell_h, &s.frames, &tail) != 3 ||
               s.cell_w <= 0 || s.cell_h <= 0 || s.frames <= 0) {
      error = where + "bad cells '" + cols[2] + "'";
      return false;
    }
    const int cols_n = s.w / s.cell_w;
    if (s.w % s.cell_w != 0 || cols_n * (s.h / s.cell_h) < s.frames) {
      error = where + "the picture does not hold its cells";
      return false;
    }
    if (cols[3].empty()) {
      error = where + "say which part of the game loads it";
      return false;
    }
    out.push_back(s);
  }
  return true;
}

}  // namespace art
