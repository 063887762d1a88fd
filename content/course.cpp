#include "content/course.h"

#include <climits>
#include <cstdint>
#include <map>
#include <vector>

#include "cards/hole_solver.h"
#include "cards/rules.h"
#include "platform/files.h"
#include "util/files.h"

namespace {

constexpr const char* kCourseFolder = "Data/levels/courses/";
// Course file layout: par on line 4, the timed flag on line 12, hole names from line 17 on.
constexpr int kParLine = 4;
constexpr int kTimedLine = 12;
constexpr int kFirstHoleLine = 17;
// Hole file layout as far as the course reader needs it: par on line 2, cards from line 5 on.
constexpr int kHoleParLine = 2;
constexpr int kFirstCardLine = 5;

std::string HoleCountMessage(const std::string& name) {
  return "Course '" + name + "' does not have 9 or 18 holes!";
}

constexpr int kHoleCardFields = 8;  // ID X Y ZOrder FaceUp Type Covers TokenFactor

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The fault of one card's eight fields, "" when they are sound.
std::string CardFieldFault(const std::string* field) {
  static constexpr const char* kNames[kHoleCardFields] = {"ID", "X", "Y", "ZOrder", "FaceUp", "Type",
                                                          "Covers", "TokenFactor"};
  int value[kHoleCardFields] = {};
  for (const int number : {0, 1, 2, 3, 4, 7}) {
    if (!DataFieldToInt(field[number], value[number])) {
      return std::string(kNames[number]) + " '" + QuotedData(field[number]) + "' is not a whole number";
    }
  }
  if (value[3] < 0) return "ZOrder '" + QuotedData(field[3]) + "' is negative";
  if (field[4] != "0" && field[4] != "1") return "FaceUp '" + QuotedData(field[4]) + "' is neither 0 nor 1";
  if (field[5] != "N" && field[5] != "W" && field[5] != "S" && field[5] != "D") {
    return "Type '" + QuotedData(field[5]) + "' is none of N, W, S and D";
  }
  if (field[6] != "-1") {
    for (const std::string& id : SplitAt(field[6], ',')) {
      int cover = 0;
      if (!DataFieldToInt(id, cover)) return "Covers '" + QuotedData(field[6]) + "' is not a list of card IDs";
    }
  }
  return {};
}

// Reads one hole file into entry `index` of the course, checked as the play screen will deal it.
TLoadResult ReadHoleFile(TCourse& course, int index, const std::string& path) {
  TLoadResult failure;
  auto in = OpenDataFile(path, HOLE_FILE_MAX_BYTES, failure);
  if (!in) return failure;
  std::string text;
  int cards = 0;
  for (int line = 1; !in->Eof(); ++line) {
    const std::string row = in->ReadLine();
    if (line >= kFirstCardLine && !row.empty()) ++cards;
    text += row;
    text += '\n';
  }
  HoleFileData hole;
  TLoadResult result = CheckHoleFile(text, path, hole);
  if (!result.Ok()) return result;
  course.HolePars[index] = hole.par;
  course.HoleTotalCards[index] = cards;
  return {};
}

}  // namespace

TLoadResult CheckHoleFile(const std::string& text, const std::string& path, HoleFileData& hole) {
  const std::vector<std::string> lines = SplitAt(text, '\n');
  int par = 0;
  if (lines.size() < static_cast<std::size_t>(kHoleParLine) || !DataFieldToInt(lines[kHoleParLine - 1], par)) {
    return TLoadResult::Fail("Hole file " + path + ", line 2: the par is not a whole number", path,
                             kHoleParLine);
  }
  // Card IDs to the line that holds them, for the layout faults (which name cards).
  std::map<int, int> lineOf;
  for (std::size_t i = kFirstCardLine - 1; i < lines.size(); ++i) {
    std::string row = lines[i];
    if (!row.empty() && row.back() == '\r') row.pop_back();
    if (row.empty()) continue;
    const int line = static_cast<int>(i) + 1;
    const std::vector<std::string> fields = SplitAt(row, ' ');
    if (fields.size() % kHoleCardFields != 0) {
      return TLoadResult::Fail("Hole file " + path + ", line " + std::to_string(line) + ": " +
                                   std::to_string(fields.size()) + " fields, not " +
                                   std::to_string(kHoleCardFields) + " for each card",
                               path, line);
    }
    for (std::size_t card = 0; card < fields.size(); card += kHoleCardFields) {
      const std::string fault = CardFieldFault(&fields[card]);
      if (!fault.empty()) {
        return TLoadResult::Fail("Hole file " + path + ", line " + std::to_string(line) + ": " + fault,
                                 path, line);
      }
      int id = 0;
      DataFieldToInt(fields[card], id);
      lineOf[id] = line;  // an ID used twice is at fault where it comes again
    }
  }
  HoleFileResult parsed = ParseHoleFile(text, path);
  if (!parsed.ok) return TLoadResult::Fail(parsed.error, path);
  // The layout rules take time that grows faster than the square of the cards: a count the play
  // field cannot hold is refused before them.
  const int count = static_cast<int>(parsed.hole.cards.size());
  if (count > SOLVER_MAX_LAYOUT_CARDS) {
    return TLoadResult::Fail("Hole file " + path + ": the hole has " + std::to_string(count) +
                                 " cards, more than " + std::to_string(SOLVER_MAX_LAYOUT_CARDS),
                             path);
  }
  const std::vector<std::string> faults = ValidateHoleLayout(parsed.hole);
  if (!faults.empty()) {
    // The faults name their card first ("card 12: ..."): point at the line of that card.
    int line = 0;
    const std::string& fault = faults.front();
    int id = 0;
    if (fault.rfind("card ", 0) == 0 && DataFieldToInt(fault.substr(5, fault.find_first_of(": ", 5) - 5), id)) {
      const auto at = lineOf.find(id);
      if (at != lineOf.end()) line = at->second;
    }
    const std::string where = line > 0 ? ", line " + std::to_string(line) : std::string();
    return TLoadResult::Fail("Hole file " + path + where + ": " + fault, path, line);
  }
  if (par < 0 || par > count) {
    return TLoadResult::Fail("Hole file " + path + ", line 2: par " + std::to_string(par) +
                                 " is outside 0.." + std::to_string(count) + " (the hole's cards)",
                             path, kHoleParLine);
  }
  hole = std::move(parsed.hole);
  return {};
}

bool DataPathInside(const std::string& name) {
  if (!name.empty() && name[0] == '/') return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\' || u < 0x20 || u == 0x7F) return false;
  }
  for (const std::string& part : SplitAt(name, '/')) {
    if (part == "..") return false;
  }
  return true;
}

bool DataFieldToInt(const std::string& text, int& value) {
  std::size_t i = 0;
  std::size_t end = text.size();
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (i < end && blank(text[i])) ++i;
  while (end > i && blank(text[end - 1])) --end;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == end) return false;
  std::int64_t magnitude = 0;
  for (; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1) return false;
  }
  const std::int64_t signed_value = negative ? -magnitude : magnitude;
  if (signed_value > INT_MAX || signed_value < INT_MIN) return false;
  value = static_cast<int>(signed_value);
  return true;
}

int DataTextToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                             text[i] == '\r' || text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<std::int64_t>(INT_MAX) + 1) value = static_cast<std::int64_t>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

std::shared_ptr<TCourse> TCourse::Create() { return std::make_shared<TCourse>(); }

TLoadResult ReadCourseFile(TCourse& course, const std::string& data_prefix, const std::string& name) {
  course.Name = name;
  // Messages name the files as they stand on disk, whatever the list and the course spell.
  const std::string path = ccDataFileName(data_prefix + kCourseFolder + name + ".txt");
  TLoadResult failure;
  auto in = OpenDataFile(path, TEXT_FILE_MAX_BYTES, failure);
  if (!in) return failure;

  int line = 0;
  bool par_read = false;
  // Lines 1 to 16: the header; a short file reads "" for the lines it lacks.
  while (line < kFirstHoleLine - 1) {
    const std::string text = in->ReadLine();
    ++line;
    if (line == kParLine) par_read = DataFieldToInt(text, course.Par);
    if (line == kTimedLine && text == "Y") course.Timed = 1;
  }
  while (!in->Eof()) {
    const std::string hole = in->ReadLine();
    ++line;
    // The arrays hold 18 holes: a 19th hole line already decides the count is wrong.
    if (course.Holes >= MAX_COURSE_HOLES) return TLoadResult::Fail(HoleCountMessage(name), path, line);
    course.HoleNames[course.Holes] = hole;
    if (!DataPathInside(hole)) {
      return TLoadResult::Fail("Course file " + path + ", line " + std::to_string(line) + ": the hole file '" +
                                   QuotedData(hole) + "' lies outside the hole folder",
                               path, line);
    }
    TLoadResult hole_result =
        ReadHoleFile(course, course.Holes, HoleFilePath(data_prefix, hole));
    if (!hole_result.Ok()) {
      // Point at the course file's line that names the missing hole file.
      hole_result.file = path;
      hole_result.line = line;
      return hole_result;
    }
    ++course.Holes;
  }
  if (course.Holes != 9 && course.Holes != 18) {
    return TLoadResult::Fail(HoleCountMessage(name), path, 0);
  }
  int hole_pars = 0;
  for (int h = 0; h < course.Holes; ++h) hole_pars += course.HolePars[static_cast<std::size_t>(h)];
  if (!par_read || course.Par != hole_pars) {
    return TLoadResult::Fail("Course file " + path + ", line " + std::to_string(kParLine) +
                                 ": the par is not the sum of the holes' pars (" +
                                 std::to_string(hole_pars) + ")",
                             path, kParLine);
  }
  return {};
}
