// What a player keeps across courses and across starts of the game: the purses won ever, and the
// time played.
#include <gtest/gtest.h>

#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "progress_fixture.h"
#include "ui/profile.h"

namespace {

using PlayerRecordsTest = ProgressTest;

// A new course clears what belongs to the course; the count of purses won, which the trophy for
// three purses reads, belongs to the player.
TEST_F(PlayerRecordsTest, ANewCourseClearsItsCountersButNotThePursesWonEver) {
  TSaveData& s = Save();
  s.TotalPursesWon = 2;
  s.CourseCash = 700;
  s.CoursePerfects = 3;
  s.CourseTime = 4000;
  s.Birdies = 5;
  s.Eagles = 2;
  s.CourseIronsUsed = 1;
  s.CourseToPar = -4;
  s.CourseArrayCards[3] = 6;
  s.CourseArrayToPar[3] = -2;
  s.CourseLongDrives[3] = 1;
  s.CourseStatsInit();
  EXPECT_EQ(s.TotalPursesWon, 2);
  for (const int counter : {s.CourseCash, s.CoursePerfects, s.CourseTime, s.Birdies, s.Eagles,
                            s.CourseIronsUsed, s.CourseToPar, s.CourseArrayCards[3],
                            s.CourseArrayToPar[3], s.CourseLongDrives[3]})
    EXPECT_EQ(counter, 0);
}

// The time played is kept in the profile: a player read back from the file has it all.
TEST_F(PlayerRecordsTest, TheTimePlayedSurvivesASaveAndTheNextStart) {
  TProfile::CreateUserFunction = CreateProfileExtra;
  auto profile = TProfile::Create("Tess");
  InstallProfileHooks(*profile);
  Player().Name = "Tess";
  Player().TotalTimeTaken = 720000.0;  // an hour in ticks of 5 ms
  Player().ProfileUpdatePlayer(*profile);
  ASSERT_EQ(profile->Save(), 0) << profile->LastError;

  TPlayer next;
  auto again = TProfile::Create("Tess");
  InstallProfileHooks(*again);
  ASSERT_EQ(next.ProfileRead(again.get(), 1), 1);
  EXPECT_EQ(next.Name, "Tess");
  EXPECT_DOUBLE_EQ(next.TotalTimeTaken, 720000.0);
  // And written again as it was read.
  next.ProfileUpdatePlayer(*again);
  EXPECT_DOUBLE_EQ(again->TimeTaken, 720000.0);
}

}  // namespace
