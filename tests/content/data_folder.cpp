#include "tests/content/data_folder.h"

#include <cstdlib>
#include <fstream>

TestDataFolder::TestDataFolder() {
  std::string templ = (std::filesystem::temp_directory_path() / "quill-content-XXXXXX").string();
  if (mkdtemp(templ.data()) != nullptr) root_ = templ;
}

TestDataFolder::~TestDataFolder() {
  std::error_code ignored;
  if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
}

void TestDataFolder::Write(const std::string& relative, const std::string& text) const {
  const std::filesystem::path path = root_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
}

void TestDataFolder::WriteHole(const std::string& name, int par, int cards) const {
  std::string text = "hole\n" + std::to_string(par) + "\nx\ny\n";
  for (int i = 0; i < cards; ++i) text += "100,100,0,1\n";
  Write("Data/levels/holes/" + name, text);
}

void TestDataFolder::WriteCourse(const std::string& name, int par, const std::string& timed_line,
                                 const std::vector<std::string>& holes, bool write_holes) const {
  std::string text;
  for (int line = 1; line <= 16; ++line) {
    if (line == 4) text += std::to_string(par);
    if (line == 12) text += timed_line;
    text += "\n";
  }
  for (const std::string& hole : holes) {
    text += hole + "\n";
    if (write_holes) WriteHole(hole, 3, 10);
  }
  Write("Data/levels/courses/" + name + ".txt", text);
}

void TestDataFolder::WriteCourseOfHoles(const std::string& name, int count,
                                        const std::string& timed_line) const {
  std::vector<std::string> holes;
  for (int i = 1; i <= count; ++i) holes.push_back(name + "_h" + std::to_string(i));
  WriteCourse(name, 36, timed_line, holes);
}

void TestDataFolder::WriteCourseList(const std::vector<std::string>& rows) const {
  std::string text = "Name,Notes,Type,Bg,Fee,Purse,Prize,Unlock,Value,Rank,Item,Story,Picture\n";
  for (const std::string& row : rows) text += row + "\n";
  Write("Data/levels/CourseList.csv", text);
}
