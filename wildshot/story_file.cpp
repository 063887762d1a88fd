#include "wildshot/story_file.h"

#include <algorithm>

#include "util/strings.h"

namespace {

// Walks the lines as the section reader does: a header test looks at the current line and moves
// past it; a one-line value takes the next line ("" past the end); a lines value takes everything
// up to the next line that begins with "[".
class TSectionCursor {
 public:
  TSectionCursor(const std::vector<std::string>& lines, const std::string& file)
      : lines_(lines), file_(file) {}

  bool AtEnd() const { return i_ >= lines_.size(); }

  bool Header(const std::string& name, TStoryFileResult& result) {
    if (!AtEnd() && ccUpperCase(lines_[i_]) == "[" + name + "]") {
      ++i_;
      return true;
    }
    result.message = "[" + name + "] header hot found (" + file_ + " line " +
                     std::to_string(i_ + 1) + ")";
    return false;
  }

  std::string Line() {
    std::string value = AtEnd() ? std::string() : lines_[i_];
    ++i_;
    return value;
  }

  std::vector<std::string> Lines() {
    std::vector<std::string> value;
    while (!AtEnd() && (lines_[i_].empty() || lines_[i_][0] != '[')) value.push_back(lines_[i_++]);
    return value;
  }

 private:
  const std::vector<std::string>& lines_;
  const std::string& file_;
  std::size_t i_ = 0;
};

bool HasMarker(const std::vector<std::string>& lines, const std::string& marker) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.find(marker) != std::string::npos; });
}

bool TitleIsSafe(const std::string& title) {
  return !title.empty() && title.find('/') == std::string::npos &&
         title.find('\\') == std::string::npos && title.find("..") == std::string::npos;
}

}  // namespace

bool StoryAlwaysValid(int story) {
  switch (story) {
    case 1: case 6: case 11: case 12: case 17: case 22: case 24: case 25: case 26: case 28:
      return true;
    default:
      return false;
  }
}

bool StoryIsMiniGame(int story) { return story == 12 || story == 25 || story == 26; }

TStoryFileResult ReadStoryFile(const std::vector<std::string>& lines, const std::string& file,
                               TStoryFile& out) {
  TStoryFileResult result;
  TSectionCursor cursor(lines, file);

  if (!cursor.Header("INITIAL TEXT", result)) return result;
  out.InitialText = cursor.Lines();
  if (out.InitialText.empty()) {
    result.message = "Error in " + file + ": [INITIAL TEXT] needs at least one line";
    return result;
  }
  if (!cursor.Header("PENALTY 1", result)) return result;
  out.Penalty1 = cursor.Line();
  if (!cursor.Header("PENALTY 2", result)) return result;
  out.Penalty2 = cursor.Line();
  if (!cursor.Header("SHUFFLING", result)) return result;
  out.ShufflingText = cursor.Line();

  out.Stories.clear();
  out.ChanceCount = 0;
  out.GoodChance = 0;
  out.BadChance = 0;
  if (out.ChanceArray.size() < static_cast<std::size_t>(STORY_INITIAL_TABLE))
    out.ChanceArray.resize(STORY_INITIAL_TABLE, 0);

  while (!cursor.AtEnd()) {
    const int number = static_cast<int>(out.Stories.size()) + 1;
    const std::string where = "Error in " + file + ", story " + std::to_string(number) + ": ";
    TWildshot story;
    if (!cursor.Header(std::to_string(number), result)) return result;
    if (!cursor.Header("TITLE", result)) return result;
    story.Title = cursor.Line();
    if (!cursor.Header("GOOD", result)) return result;
    story.Good = ccStringToInt(cursor.Line());
    if (!cursor.Header("FRAMES", result)) return result;
    story.Frames = ccStringToInt(cursor.Line());
    if (!cursor.Header("CHANCE", result)) return result;
    const int weight = ccStringToInt(cursor.Line());
    if (!cursor.Header("STORY", result)) return result;
    story.Story = cursor.Lines();
    if (!cursor.Header("RESULT", result)) return result;
    story.Result = cursor.Lines();

    if (!TitleIsSafe(story.Title)) {
      result.message = where + "TITLE must name its pictures: not empty, without \"/\", \"\\\" or \"..\"";
      return result;
    }
    if (story.Frames < 1 || story.Frames > STORY_MAX_FRAMES) {
      result.message = where + "FRAMES must be from 1 to " + std::to_string(STORY_MAX_FRAMES) +
                       ", not " + std::to_string(story.Frames);
      return result;
    }
    if (weight > STORY_MAX_CHANCE) {
      result.message = where + "CHANCE must be at most " + std::to_string(STORY_MAX_CHANCE) +
                       ", not " + std::to_string(weight);
      return result;
    }
    // The play screen acts on these stories' numbers through the markers; a result without them
    // would show a sentence with a hole in it and, for a typo, end a hole wrongly.
    if (weight > 0) {
      const bool needs_xx = number == 2 || number == 6 || number == 18 || number == 20 || number == 21;
      if (needs_xx && !HasMarker(story.Result, "XX")) {
        result.message = where + "RESULT needs the marker \"XX\"";
        return result;
      }
      if (number == 20 && !HasMarker(story.Result, "YY")) {
        result.message = where + "RESULT needs the marker \"YY\"";
        return result;
      }
    }

    if (!StoryIsMiniGame(number)) {
      if (story.Good != 0)
        out.GoodChance += weight;
      else
        out.BadChance += weight;
    }
    if (weight > 0) {
      if (out.ChanceCount + weight > STORY_MAX_TABLE) {
        result.message = where + "the weights add up to more than " +
                         std::to_string(STORY_MAX_TABLE) + " entries";
        return result;
      }
      const std::size_t needed = static_cast<std::size_t>(out.ChanceCount + weight);
      if (needed > out.ChanceArray.size())
        out.ChanceArray.resize(std::max(needed, static_cast<std::size_t>(out.ChanceCount + STORY_TABLE_STEP)), 0);
      std::fill_n(out.ChanceArray.begin() + out.ChanceCount, weight, number);
      out.ChanceCount += weight;
    }
    out.Stories.push_back(std::move(story));
  }
  return result;
}

TStoryFileResult CheckStoryWeights(const TStoryFile& file_data, const std::string& file) {
  TStoryFileResult result;
  int usable = 0;
  std::vector<bool> weighted(file_data.Stories.size() + 1, false);
  for (int i = 0; i < file_data.ChanceCount; ++i) {
    const int n = file_data.ChanceArray[static_cast<std::size_t>(i)];
    if (n >= 1 && n <= static_cast<int>(file_data.Stories.size())) weighted[static_cast<std::size_t>(n)] = true;
  }
  for (std::size_t n = 1; n < weighted.size(); ++n)
    if (weighted[n] && StoryAlwaysValid(static_cast<int>(n)) && file_data.Stories[n - 1].Good != 0)
      ++usable;
  if (usable < 2)
    result.message = "Error in " + file +
                     ": two good stories among 1, 6, 11, 12, 17, 22, 24, 25, 26 and 28 need a CHANCE "
                     "above 0, so that a wild shot can always be drawn";
  return result;
}
