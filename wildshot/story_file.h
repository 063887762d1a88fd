#pragma once
// The wild shot story file "wildshots.txt": the dialog's opening text, the two penalty notes, the
// shuffle line and the numbered stories with their weights. Read into plain values here, without a
// display, so the reader can be tested and fuzzed on its own; TWildshotScreen::LoadTextData turns a
// failure into the game's fatal message.

#include <string>
#include <vector>

// One story of the file. Title also names its pictures: "wildshots/<Title>.png" (headline) and
// "wildshots/anims/<Title>.png" (animation strip).
struct TWildshot {
  std::string Title;
  std::vector<std::string> Story;
  std::vector<std::string> Result;  // may hold the markers "XX" and "YY"
  int Good = 0;                     // non-zero: a good story
  int Frames = 0;                   // cells in the animation strip, 1 .. 64
};

// Limits the reader enforces so that no weight or table size from the file can exhaust memory.
constexpr int STORY_MAX_CHANCE = 10000;
constexpr int STORY_MAX_TABLE = 100000;
constexpr int STORY_MAX_FRAMES = 64;
constexpr int STORY_INITIAL_TABLE = 500;
constexpr int STORY_TABLE_STEP = 200;

struct TStoryFile {
  std::vector<std::string> InitialText;
  std::string Penalty1, Penalty2, ShufflingText;
  std::vector<TWildshot> Stories;
  std::vector<int> ChanceArray;  // its first ChanceCount entries hold story numbers
  int ChanceCount = 0;
  int GoodChance = 0;  // weights of the good stories, mini-games (12, 25, 26) not counted
  int BadChance = 0;   // the same for the bad ones; negative weights lower it
};

struct TStoryFileResult {
  std::string message;  // "" when the file was read; else what is wrong, naming file and story
  bool Ok() const { return message.empty(); }
};

// Stories that can be drawn whatever the state of play; a file must give weight to two good ones
// among them so that the draw always has somewhere to land.
bool StoryAlwaysValid(int story);
// 1 for the mini-game stories 12, 25 and 26, whose weights stay out of the good and bad sums.
bool StoryIsMiniGame(int story);

// Reads the file's text (already decoded to UTF-8 lines by the caller's text reader). `file` names
// the file in messages. `out.ChanceArray` keeps its length when it is long enough (the table only
// grows). On failure `out` is left partly filled and must not be used.
TStoryFileResult ReadStoryFile(const std::vector<std::string>& lines, const std::string& file,
                               TStoryFile& out);
// The game's own rule on a file that was read: two good stories among those always valid carry
// weight, so the draw can always end.
TStoryFileResult CheckStoryWeights(const TStoryFile& file_data, const std::string& file);
