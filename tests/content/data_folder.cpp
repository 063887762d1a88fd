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

std::string TestDataFolder::HoleText(int par, int cards) {
  // Two rows of up to eleven face-up cards side by side, none covering another, all inside the
  // play area and clear of the HUD: screen left 10 + 70 i, tops 132 and 235.
  std::string text = "hole\n" + std::to_string(par) + "\nCards " + std::to_string(cards) +
                     "\nID X Y ZOrder FaceUp Type Covers TokenFactor\n";
  for (int i = 0; i < cards; ++i) {
    const int x = -36 + 56 * (i % 11);
    const int y = i < 11 ? 64 : 146;
    text += std::to_string(i + 1) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
            std::to_string(i) + " 1 N -1 0\n";
  }
  return text;
}

void TestDataFolder::WriteHole(const std::string& name, int par, int cards) const {
  Write("Data/levels/holes/" + name, HoleText(par, cards));
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
  WriteCourse(name, 3 * count, timed_line, holes);
}

void TestDataFolder::WriteCourseList(const std::vector<std::string>& rows) const {
  std::string text = "Name,Notes,Type,Bg,Fee,Purse,Prize,Unlock,Value,Rank,Item,Story,Picture\n";
  for (const std::string& row : rows) text += row + "\n";
  Write("Data/levels/CourseList.csv", text);
}
