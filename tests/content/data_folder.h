#pragma once
// A small data folder made by a test: course list, course files and hole files under a fresh
// temporary folder, removed when the test ends.

#include <filesystem>
#include <string>
#include <vector>

class TestDataFolder {
 public:
  TestDataFolder();
  ~TestDataFolder();
  TestDataFolder(const TestDataFolder&) = delete;
  TestDataFolder& operator=(const TestDataFolder&) = delete;

  // The prefix the loaders put before "Data/...", ending in "/".
  std::string Prefix() const { return root_.string() + "/"; }
  // Writes `text` as the file `relative` (folders made as needed), byte for byte.
  void Write(const std::string& relative, const std::string& text) const;
  // The text of a sound hole file with par `par` and `cards` card lines (at most 22).
  static std::string HoleText(int par, int cards);
  // A hole file with par `par` and `cards` card lines.
  void WriteHole(const std::string& name, int par, int cards) const;
  // A course file: par on line 4, `timed_line` on line 12, then one line per hole name; each named
  // hole file is written too (par 3, 10 cards) unless `write_holes` is false.
  void WriteCourse(const std::string& name, int par, const std::string& timed_line,
                   const std::vector<std::string>& holes, bool write_holes = true) const;
  // A course of `count` holes named "<name>_hN" (par 3 each).
  void WriteCourseOfHoles(const std::string& name, int count, const std::string& timed_line = "N") const;
  // "Data/levels/CourseList.csv" with a header line and the given rows.
  void WriteCourseList(const std::vector<std::string>& rows) const;

 private:
  std::filesystem::path root_;
};
