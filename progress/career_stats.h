#pragma once
// A player's 38 career statistics, stored as the career statistics block inside the saved game
// block, and the drawing state of the career statistics screen's rows.

#include <array>
#include <cstdint>
#include <memory>

#include "progress/stat.h"

class TBitmapFont;
namespace platform {
class InStream;
class OutStream;
}  // namespace platform

class TCareerStats {
 public:
  static constexpr int COUNT = 38;
  static constexpr std::uint32_t KEY_START = 7413068u;
  static constexpr std::uint32_t KEY_STEP = 2859307u;

  // Drawing state for TStat::Draw (presentation only, not stored).
  std::shared_ptr<TBitmapFont> font;
  float Col1 = 0, Col2 = 0, Col3 = 0, Col4 = 0, Col5 = 0, Col6 = 0;
  float Y = 0;
  float Gap = 0;

  // The statistics in block order.
  std::shared_ptr<TStat> Lowest9HoleScore, Lowest18HoleScore, TotalPerfects, LongestDrive,
      TotalCoursesPlayed, Total9HoleCoursesPlayed, Total18HoleCoursesPlayed, TotalHolesPlayed,
      TotalCardsPlayed, IronsPlayed, Total9Score, Total9ScoreAverage, Total18Score,
      Total18ScoreAverage, TotalGopherVisits, TotalGopherMoneyLost, TotalGopherFlushed,
      TotalGopherMoneyFound, MostPerfectOn9Hole, MostPerfectOn18Hole, FastestHole, FastestCourse,
      TotalTimedHole, NumberTimedHoles, AverageTimedHole, TotalTimedCourse, NumberTimedCourses,
      AverageTimedCourse, HighestHoleCash, HighestCourseCash, TotalHoleCash, AverageHoleCash,
      TotalCourseCash, AverageCourseCash, CareerEarnings, Total5x, TotalTimePlayed,
      MiniGameLongestDrive;

  // Every statistic is made at once (Clear), so no caller meets a null statistic.
  TCareerStats();
  virtual ~TCareerStats() = default;

  // The 38 statistic slots in block order.
  std::array<std::shared_ptr<TStat>*, COUNT> All();
  std::array<const std::shared_ptr<TStat>*, COUNT> All() const;

  // Replaces all 38 statistics with new ones. Returns 0.
  virtual int Clear();
  // Reads the block into new statistics and keeps them only when all 38 were read: 0, else -1
  // with nothing changed.
  virtual int Load(platform::InStream& in);
  virtual int Save(platform::OutStream& out) const;

  // The averages, kept only over a count above 0 (a zero count leaves the average alone).
  // AverageHoleCash, AverageCourseCash, AverageTimedHole, AverageTimedCourse.
  static int SetAverage(TStat& average, const TStat& total, const TStat& count);
  // Total9ScoreAverage / Total18ScoreAverage: Value, Value2 and the unrounded FloatValue.
  static int SetScoreAverage(TStat& average, const TStat& total, const TStat& count);
};
