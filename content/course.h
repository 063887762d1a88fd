#pragma once
// One course of the game: 9 or 18 holes with their pars and card counts (read from the course file
// and its hole files), and the money, unlock rule, texts, background and ambience that the course
// list gives it. Courses are made and filled once while the game data load, then only read.

#include <array>
#include <memory>
#include <string>

#include "content/load_result.h"
#include "util/files.h"

struct HoleFileData;

// Unlock codes: what the goal of the course before this one measures.
constexpr int UNLOCK_NONE = 0;
constexpr int UNLOCK_SCORE = 1;    // the course score against par, at most UnlockValue
constexpr int UNLOCK_DRIVE = 2;    // the length of a long drive, at least UnlockValue
constexpr int UNLOCK_PERFECT = 3;  // perfect holes, at least UnlockValue
constexpr int UNLOCK_TOKENS = 4;   // cash won from tokens, at least UnlockValue

// Room for the holes of the longest course; a 9-hole course leaves entries 9 to 17 at defaults.
constexpr int MAX_COURSE_HOLES = 18;

class TCourse {
 public:
  TCourse() = default;
  TCourse(const TCourse&) = delete;
  TCourse& operator=(const TCourse&) = delete;

  static std::shared_ptr<TCourse> Create();

  // Reads the course file of `name` under Game->DataPrefix and every hole file it names (Name,
  // Par, Timed, Holes and the three hole arrays). A missing file, a hole file that CheckHoleFile
  // refuses, a hole name outside the hole folder, a par other than the sum of the holes' pars or a
  // hole count other than 9 or 18 is fatal (ccRunTimeError with the stop flag). Returns 0.
  int Read(const std::string& name);

  std::string Name;
  std::string GoalText;   // goal shown in the course selector while the course is open
  std::string GoalText2;  // the same with the purse raised by 15 percent (purse shop item)
  std::string UnlockText;  // rule shown while the course is locked; "" without unlock rule
  std::string StoryText;   // newspaper story (may hold "[KEY]" variables)
  int StoryPicture = 0;    // newspaper picture code
  int Holes = 0;           // 9 or 18 once read
  int Par = 0;
  int Fee = 0;
  int Purse = 0;
  int UnlockPrize = 0;
  std::string CourseType;       // upper case: BEACH, CITY, ... SCOT
  std::string BackgroundImage;  // file name inside the "backgrounds/" image folder
  int UnlockCode = UNLOCK_NONE;
  int UnlockValue = 0;
  std::string UnlockedBy;  // the course whose goal opens this one; "" for the first course
  std::string Unlocks;     // names of the courses this one's goal opens, joined by ","
  int Timed = 0;           // 1: played against the clock
  std::string AmbienceLoop;  // "ambience/<loop>.ogg", relative to the music folder
  std::string Sound1;        // never filled
  std::string Sound2;        // never filled
  int UnlockRank = 0;  // 1: opening this course raises the player's rank
  int UnlockItem = 0;  // 1: opening this course makes one more shop item available
  std::array<std::string, MAX_COURSE_HOLES> HoleNames{};  // hole file of hole h at index h - 1
  std::array<int, MAX_COURSE_HOLES> HolePars{};
  std::array<int, MAX_COURSE_HOLES> HoleTotalCards{};
};

// The hole file `name` (as a course file names it) of the data folder under `data_prefix`:
// `data_prefix` + "Data/levels/holes/" + name, spelled as it stands on disk (ccDataFileName), as
// the readers read it and their messages name it.
inline std::string HoleFilePath(const std::string& data_prefix, const std::string& name) {
  return ccDataFileName(data_prefix + "Data/levels/holes/" + name);
}

// The reading behind TCourse::Read, without the fatal report: fills `course` from the course file
// `data_prefix` + "Data/levels/courses/" + name + ".txt" and its hole files, each checked as
// TCourse::Read says. On failure the result names the file and line (a broken hole's message names
// the hole file and its line, the result the course file's line naming it); `course` may then be
// partly filled and must be dropped.
TLoadResult ReadCourseFile(TCourse& course, const std::string& data_prefix, const std::string& name);

// Reads one hole file's text (lines joined by "\n") as the play screen will deal it and checks it
// first: every card line eight fields per card, each number a whole int, the type N, W, S or D,
// the face 0 or 1, the cover field "-1" or card IDs; then the layout rules the level designer
// keeps (ValidateHoleLayout: card count, IDs, covers, places) and a par from 0 to the card count.
// On failure the result names `path`, the line where one applies, and the card.
TLoadResult CheckHoleFile(const std::string& text, const std::string& path, HoleFileData& hole);

// Whether a file name read from a data file stays inside the folder it is joined to: not
// absolute, no ".." among its parts, no backslash and no control character. ("" passes: it names
// no file and is left to the missing-file report.)
bool DataPathInside(const std::string& name);

// A whole data text field read strictly: blanks around it, one optional sign, at least one digit
// and nothing else, within the int range. False leaves `value` as it was.
bool DataFieldToInt(const std::string& text, int& value);

// Integer of a data text field as the game's files are read: leading blanks skipped, one optional
// sign, digits up to the first other character; no digits reads as 0 (clamped to the int range).
int DataTextToInt(const std::string& text);
