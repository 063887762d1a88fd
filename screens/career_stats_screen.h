#pragma once
// The career statistics page: 28 of the current player's statistics in five groups under five
// column headings, with the value, who set it and, for records, the course, date and time. Opened
// from the title screen; OK, Enter, Space or Esc fade back to it.

#include <array>
#include <memory>
#include <string>

#include "core/screen.h"

class TBitmapFont;
class TCareerStats;
class TGameImage;
class TStat;

class TCareerStatsScreen : public TScreen {
 public:
  // One row of the page: the statistic it shows, its caption key and its display fields.
  struct Row {
    std::shared_ptr<TStat> TCareerStats::*Field;
    const char* Key;
    int DataType, ShowEmpty, ShowAll, ShowHoleNumber;
  };
  static constexpr int ROWS = 28;
  // The rows in display order, and how many belong to each of the five groups.
  static const std::array<Row, ROWS> Rows;
  static constexpr std::array<int, 5> GroupSizes{4, 5, 4, 10, 5};
  // Left edges of the six columns, the first row's y, the row step and the extra step between
  // groups, in screen pixels.
  static constexpr std::array<int, 6> ColumnX{19, 223, 318, 438, 641, 729};
  static constexpr int FIRST_ROW_Y = 79, ROW_GAP = 15, GROUP_GAP = 10;
  // The rows are drawn in the hint font at this scale, so that a record's course with its hole,
  // its date and its time each stay inside their column and the frame, and rows 15 px apart keep
  // a clear gap between them.
  static constexpr double ROW_FONT_SCALE = 0.7;
  // The right edge of the frame's inner border; the time column ends before it.
  static constexpr int FRAME_RIGHT = 795;

  TCareerStatsScreen();

  std::array<std::shared_ptr<TGameImage>, 5> Labels;  // column headings, filled by Load
  // The hint font's page drawn at ROW_FONT_SCALE; made by Load, dropped by Kill.
  std::shared_ptr<TBitmapFont> RowFont;

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  // Esc is read by Logic; were the framework to ask, the way out is the title screen.
  int SetEscDestination() override;
  // Fades back to the title screen, fading the music.
  int Close();

  // Writes the captions and display fields of the 28 rows into `stats` and recomputes its total
  // time played from the profile's play time (logic ticks of `msPerTick` ms each).
  static void PrepareRows(TCareerStats& stats, double profileTicks, double msPerTick,
                          const std::string& profileName);
  // Whole seconds of play from the profile's tick count; a damaged count (negative, not a number,
  // beyond an int) gives 0 or the largest int instead of an undefined conversion.
  static int SecondsPlayed(double profileTicks, double msPerTick);
};
