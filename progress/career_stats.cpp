#include "progress/career_stats.h"

#include "platform/files.h"
#include "util/strings.h"

TCareerStats::TCareerStats() { Clear(); }

std::array<std::shared_ptr<TStat>*, TCareerStats::COUNT> TCareerStats::All() {
  return {&Lowest9HoleScore,   &Lowest18HoleScore,      &TotalPerfects,        &LongestDrive,
          &TotalCoursesPlayed, &Total9HoleCoursesPlayed, &Total18HoleCoursesPlayed,
          &TotalHolesPlayed,   &TotalCardsPlayed,       &IronsPlayed,          &Total9Score,
          &Total9ScoreAverage, &Total18Score,           &Total18ScoreAverage,  &TotalGopherVisits,
          &TotalGopherMoneyLost, &TotalGopherFlushed,   &TotalGopherMoneyFound, &MostPerfectOn9Hole,
          &MostPerfectOn18Hole, &FastestHole,           &FastestCourse,        &TotalTimedHole,
          &NumberTimedHoles,   &AverageTimedHole,       &TotalTimedCourse,     &NumberTimedCourses,
          &AverageTimedCourse, &HighestHoleCash,        &HighestCourseCash,    &TotalHoleCash,
          &AverageHoleCash,    &TotalCourseCash,        &AverageCourseCash,    &CareerEarnings,
          &Total5x,            &TotalTimePlayed,        &MiniGameLongestDrive};
}

std::array<const std::shared_ptr<TStat>*, TCareerStats::COUNT> TCareerStats::All() const {
  auto slots = const_cast<TCareerStats*>(this)->All();
  std::array<const std::shared_ptr<TStat>*, COUNT> out{};
  for (int i = 0; i < COUNT; ++i) out[static_cast<std::size_t>(i)] = slots[static_cast<std::size_t>(i)];
  return out;
}

int TCareerStats::Clear() {
  for (auto* slot : All()) *slot = std::make_shared<TStat>();
  return 0;
}

int TCareerStats::Save(platform::OutStream& out) const {
  std::uint32_t key = KEY_START;
  for (const auto* slot : All()) (*slot ? **slot : TStat()).Write(out, key);
  return 0;
}

int TCareerStats::Load(platform::InStream& in) {
  std::uint32_t key = KEY_START;
  std::array<std::shared_ptr<TStat>, COUNT> read;
  for (auto& s : read) {
    s = std::make_shared<TStat>();
    if (!s->Read(in, key)) return -1;
  }
  auto slots = All();
  for (int i = 0; i < COUNT; ++i) {
    auto& slot = *slots[static_cast<std::size_t>(i)];
    // The screen's presentation (label, format, flags) stays with the existing statistic.
    auto& from = *read[static_cast<std::size_t>(i)];
    if (!slot) slot = std::make_shared<TStat>();
    slot->Value = from.Value;
    slot->Value2 = from.Value2;
    slot->Date = from.Date;
    slot->Time = from.Time;
    slot->PlayerName = from.PlayerName;
    slot->CourseName = from.CourseName;
    slot->HoleNumber = from.HoleNumber;
    slot->FloatValue = from.FloatValue;
  }
  return 0;
}

int TCareerStats::SetAverage(TStat& average, const TStat& total, const TStat& count) {
  if (count.Value <= 0) return 0;
  return average.SetValue(ccRound(static_cast<float>(static_cast<double>(total.Value) / count.Value)));
}

int TCareerStats::SetScoreAverage(TStat& average, const TStat& total, const TStat& count) {
  if (count.Value <= 0) return 0;
  const int n = count.Value;
  average.SetValue(ccRound(static_cast<float>(static_cast<double>(total.Value) / n)));
  average.Value2 = ccRound(static_cast<float>(static_cast<double>(total.Value2) / n));
  average.FloatValue = static_cast<double>(total.Value) / n;
  return 0;
}
