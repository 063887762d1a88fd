#pragma once
// One career statistic: a value (and a second value for course scores), the exact value where
// there is one, and who set it last, on which course and hole, and when. A statistic counts as set
// once PlayerName is not empty.

#include <cstdint>
#include <string>

namespace platform {
class InStream;
class OutStream;
}  // namespace platform

// Display formats of TStat::DataType.
constexpr int STAT_NUMBER = 0;    // "36"
constexpr int STAT_CASH = 1;      // "$36"
constexpr int STAT_SECONDS = 2;   // "36 secs"
constexpr int STAT_SCORE = 3;     // "36 (+2)"
constexpr int STAT_HOURS = 4;     // "01:30" (hours and minutes of Value seconds)
constexpr int STAT_DISTANCE = 5;  // "245.46yds" / "245.46m"

// The local date as "%d %b %Y" ("09 Dec 2026") and time as "%H:%M:%S", with English month names.
std::string StatDateNow();
std::string StatTimeNow();

class TStat {
 public:
  std::string Label;  // row caption; set by the career statistics screen, not stored
  int Value = 0;
  int Value2 = 0;     // against-par part of a course score
  double FloatValue = 0;
  std::string Date;        // "%d %b %Y" when last set
  std::string Time;        // "%H:%M:%S" when last set
  std::string PlayerName;  // who last set it; empty: never set
  std::string CourseName;  // course being played when last set
  int HoleNumber = 0;      // hole being played when last set
  int DataType = STAT_NUMBER;
  int ShowEmpty = 1;  // 1: the row shows value and player even while never set
  int ShowAll = 0;    // 1: the row also shows course, date and time
  int ShowHoleNumber = 0;

  virtual ~TStat() = default;

  // Draws the row at the current row position of the current player's career statistics (font,
  // columns, Y) and moves that position down by Gap. Returns 0.
  virtual int Draw();
  // The value as display text by DataType ("" for an unknown code).
  virtual std::string FormatValue() const;
  // Value += amount, stopping at the int range instead of wrapping (the totals of money reach
  // it); stamps the current player's name. Returns 0.
  virtual int Increase(int amount);
  // Record tests: take v when the statistic is unset or v is at least as good (ties count).
  // 1 when recorded, else 0.
  virtual int IsGreater(int v);
  virtual int IsGreaterFloat(float f);
  virtual int IsLess(int v);
  // Reads this statistic's record, advancing the running key. False (nothing changed) when the
  // stream ends early or a string length lies outside 0..1024 or beyond the bytes left.
  virtual bool Read(platform::InStream& in, std::uint32_t& key);
  // Value := v, then SetDetails. Returns 0.
  virtual int SetValue(int v);
  // Stamps player, course, hole, date and time. Returns 0.
  virtual int SetDetails();
  // Writes this statistic's record, advancing the running key. Returns 0.
  virtual int Write(platform::OutStream& out, std::uint32_t& key) const;

  bool IsSet() const { return !PlayerName.empty(); }
};
