#pragma once
// A player's career statistics, stored in the saved game block.

#include <memory>

#include "progress/stat.h"

class TCareerStats {
 public:
  std::shared_ptr<TStat> IronsPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalCardsPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> CareerEarnings = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalHolesPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> HighestHoleCash = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalHoleCash = std::make_shared<TStat>();
  std::shared_ptr<TStat> AverageHoleCash = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalCoursesPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> HighestCourseCash = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalCourseCash = std::make_shared<TStat>();
  std::shared_ptr<TStat> AverageCourseCash = std::make_shared<TStat>();
  std::shared_ptr<TStat> MostPerfectOn9Hole = std::make_shared<TStat>();
  std::shared_ptr<TStat> MostPerfectOn18Hole = std::make_shared<TStat>();
  std::shared_ptr<TStat> Lowest9HoleScore = std::make_shared<TStat>();
  std::shared_ptr<TStat> Lowest18HoleScore = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total9Score = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total18Score = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total9HoleCoursesPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total18HoleCoursesPlayed = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total9ScoreAverage = std::make_shared<TStat>();
  std::shared_ptr<TStat> Total18ScoreAverage = std::make_shared<TStat>();
  std::shared_ptr<TStat> FastestHole = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalTimedHole = std::make_shared<TStat>();
  std::shared_ptr<TStat> NumberTimedHoles = std::make_shared<TStat>();
  std::shared_ptr<TStat> AverageTimedHole = std::make_shared<TStat>();
  std::shared_ptr<TStat> FastestCourse = std::make_shared<TStat>();
  std::shared_ptr<TStat> TotalTimedCourse = std::make_shared<TStat>();
  std::shared_ptr<TStat> NumberTimedCourses = std::make_shared<TStat>();
  std::shared_ptr<TStat> AverageTimedCourse = std::make_shared<TStat>();
};
