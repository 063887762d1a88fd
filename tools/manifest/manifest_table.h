#pragma once
// The data manifests (data/manifest/*.txt) are tables of "column | column | ..." lines, with blank
// lines and lines starting with "#" skipped. The picture and sound generators and the data tests
// all read them through this one reader.

#include <string>
#include <vector>

struct ManifestRow {
  int line = 0;                      // 1-based line number in the file
  std::vector<std::string> columns;  // every column, trimmed; columns[0] is the path below Data/
  std::string rest;                  // everything after the first "|", trimmed ("" without one)
  bool has_bar = false;              // the line holds at least one "|"
};

// Blanks, tabs and carriage returns taken off both ends.
std::string ManifestTrim(const std::string& text);

// Reads every row of a manifest file. False with a message naming the file when it cannot be read.
bool ReadManifestTable(const std::string& file, std::vector<ManifestRow>& rows, std::string& error);
