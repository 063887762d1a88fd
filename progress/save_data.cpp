#include "progress/save_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "progress/player.h"
#include "progress/progress_events.h"
#include "progress/progress_rules.h"
#include "ui/profile.h"

namespace {

// The course a new player starts on.
constexpr const char* FIRST_COURSE = "The Vuva Rivudar";
constexpr int NO_COUNTDOWN = 9999;
constexpr int STARTING_CASH = 1000;
// Restored cards get IDs above this floor, so new cards never collide with them.
constexpr int LOWEST_HIGH_ID = 100;

std::shared_ptr<TPlayer> CurrentPlayer() { return ProgressEvents().Player(); }

template <class T>
int Clamp(T& v, T lo, T hi) {
  const T old = v;
  v = std::clamp(v, lo, hi);
  return v != old ? 1 : 0;
}

}  // namespace

int TSaveData::Init(TProfile& profile) {
  MidCourse = 0;
  Irons.fill(0);
  UnlockedCourses.fill(COURSE_LOCKED);
  profile.Score = STARTING_CASH;
  UnlockedCourses[0] = COURSE_OPEN;
  CourseArrayClear();
  Male = 0;
  Avatar = 0;
  Rank = 0;
  AvatarItemUnlocked = 0;
  AvatarItems.fill(0);
  Trophies.fill(0);
  if (!CareerStats) CareerStats = std::make_shared<TCareerStats>();
  CareerStats->Clear();
  TotalPursesWon = 0;
  CourseName = FIRST_COURSE;
  MissedCardTips = IronTips = LongDriveTips = 0;
  InitLevelStats();
  return 0;
}

int TSaveData::InitLevelStats() {
  MidHole = 0;
  HoleCash = 0;
  TimeTaken = 0;
  LastTimeTaken = NO_COUNTDOWN;
  TimeUp = 0;
  Mulligans = AvatarItems[0] != 0 ? 2 : 1;
  Perfect = 0;
  CardsLeft = 0;
  FoundationValue = 0;
  FoundationID = -1;
  HTP = 0;
  HoleLongestDrive = 0;
  HoleCashActive = 0;
  LongDrive = 0;
  DriveEnded = 0;
  GenuineDrive = 0;
  LastDriveLength = 0;
  DriveLength = 0;
  Multiplier = MultiplierGhost = LastMultiplier = LastMultiplierGhost = 1.0;
  FiveXReached = 0;
  FiveXBonus = 0;
  EndHoleDisabled = 1;
  EndDriveActive = 0;
  Cards.clear();
  HoleDamaged = 0;
  HoleError.clear();
  return 0;
}

int TSaveData::CourseArrayClear() {
  CourseToPar = 0;
  CourseArrayCards.fill(0);
  CourseArrayToPar.fill(0);
  CourseLongDrives.fill(0);
  return 0;
}

int TSaveData::CourseStatsInit() {
  CourseArrayClear();
  CourseCash = 0;
  CoursePerfects = 0;
  CourseTime = 0;
  Birdies = 0;
  Eagles = 0;
  CourseIronsUsed = 0;
  return 0;
}

int TSaveData::ApplyIrons() {
  if (auto p = CurrentPlayer()) p->Irons = Irons;
  return 0;
}

int TSaveData::Update() {
  if (auto p = CurrentPlayer()) {
    Irons = p->Irons;
    HoleCash = p->LevelScore;
    TimeTaken = p->TimeTaken;
    LastTimeTaken = p->LastTimeTaken;
    TimeUp = p->TimeUp;
    Mulligans = p->Mulligans;
    Perfect = p->Perfect;
    CourseToPar = p->CourseToPar;
  }
  if (GameGrid) {
    CourseName = GameGrid->LevelName;
    CardsLeft = GameGrid->CardsLeft;
    FoundationValue = GameGrid->FoundationValue;
    FoundationID = GameGrid->FoundationCard ? GameGrid->FoundationCard->ID : -1;
    HTP = TGameGrid::GetHTP();
  }
  ProgressEvents().HoleScreenSave(*this);
  Cards.clear();
  if (CardList) {
    for (const auto& c : CardList->Cards) {
      if (!c) continue;
      auto copy = std::make_shared<TCard>();
      c->Copy(*copy);
      Cards.push_back(copy);
    }
  }
  HoleDamaged = 0;
  HoleError.clear();
  return 0;
}

int TSaveData::Apply() {
  auto player = CurrentPlayer();
  if (player) player->CourseToPar = CourseToPar;
  if (GameGrid) GameGrid->LevelName = CourseName;
  // A course that is no longer listed keeps the player's hole count as it was.
  if (auto course = CourseFind(CourseName); course && player) player->CourseHoles = course->Holes;
  auto& events = ProgressEvents();
  if (!events.LoadLevelFromProfile()) return 0;

  if (player) {
    player->LevelScore = HoleCash;
    player->TimeTaken = TimeTaken;
    player->LastTimeTaken = LastTimeTaken;
    player->TimeUp = TimeUp;
    player->Mulligans = Mulligans;
    player->Perfect = Perfect;
  }
  events.HudRestore(*this);

  if (!CardList) CardList = std::make_shared<TCardList>();
  CardList->Kill();
  int high = LOWEST_HIGH_ID;
  for (const auto& saved : Cards) {
    if (!saved) continue;
    auto card = std::make_shared<TCard>();
    saved->Copy(*card);
    card->ChooseImage();
    CardList->AddLast(card);
    high = std::max(high, card->ID);
  }
  TCardList::HighID = high + 1;

  if (GameGrid) {
    GameGrid->CardsLeft = CardsLeft;
    GameGrid->FoundationValue = FoundationValue;
    GameGrid->FoundationCard = FoundationID == -1 ? nullptr : CardList->FindCardByID(FoundationID);
  }
  events.ButtonsRestore(*this);
  events.LoadLevelFromProfileDone();
  return 0;
}

int TSaveData::Sanitise() {
  int changed = 0;
  changed += Clamp(MidCourse, 0, 1);
  changed += Clamp(MidHole, 0, 1);
  // Slots 0 and 1 of the bag are never used; a value other than 0 or 1 anywhere would make the bag
  // count wrong and the search for a free slot endless.
  for (std::size_t i = 0; i < Irons.size(); ++i) changed += Clamp(Irons[i], 0, i >= 2 ? 1 : 0);
  changed += Clamp(Male, 0, 1);
  changed += Clamp(Avatar, 0, MAX_AVATAR);
  changed += Clamp(Rank, 0, MAX_RANK);
  changed += Clamp(AvatarItemUnlocked, 0, MAX_ITEM_UNLOCKED);
  for (auto& v : AvatarItems) changed += Clamp(v, 0, 1);
  for (auto& v : Trophies) changed += Clamp(v, 0, 1);
  for (auto& v : UnlockedCourses) changed += Clamp(v, COURSE_LOCKED, COURSE_COMPLETED);
  changed += Clamp(TimeUp, 0, 1);
  changed += Clamp(Perfect, 0, 1);
  // Money, the course's time and the purses won only grow by saturating sums.
  for (int* count : {&HoleCash, &CourseCash, &CourseTime, &TotalPursesWon})
    changed += Clamp(*count, 0, std::numeric_limits<int>::max());
  // Play adds to these a step at a time, and the score card sums a course's holes: a value from
  // the file near the int limit would overflow.
  for (int* count : {&Mulligans, &CardsLeft, &HoleLongestDrive, &CoursePerfects, &Birdies, &Eagles,
                     &CourseIronsUsed, &LastDriveLength, &DriveLength, &FiveXBonus, &MissedCardTips,
                     &IronTips, &LongDriveTips})
    changed += Clamp(*count, 0, MAX_PLAY_COUNT);
  for (auto& v : CourseLongDrives) changed += Clamp(v, 0, MAX_PLAY_COUNT);
  for (auto& v : CourseArrayCards) changed += Clamp(v, 0, MAX_PLAY_COUNT);
  for (auto& v : CourseArrayToPar) changed += Clamp(v, -MAX_PLAY_COUNT, MAX_PLAY_COUNT);
  changed += Clamp(HTP, -MAX_PLAY_COUNT, MAX_PLAY_COUNT);
  changed += Clamp(CourseToPar, -MAX_PLAY_COUNT, MAX_PLAY_COUNT);
  for (double* m : {&Multiplier, &MultiplierGhost, &LastMultiplier, &LastMultiplierGhost}) {
    if (!(*m >= 1.0 && *m <= 3.0)) {  // out of the multiplier's range, or not a number
      *m = std::isnan(*m) ? 1.0 : std::clamp(*m, 1.0, 3.0);
      ++changed;
    }
  }
  // Time given back by wild shots may leave the time taken below zero; a resumed hole keeps it.
  if (std::isnan(TimeTaken) || std::isinf(TimeTaken)) {
    TimeTaken = 0;
    ++changed;
  } else if (TimeTaken < LEAST_TIME_TAKEN) {
    TimeTaken = LEAST_TIME_TAKEN;
    ++changed;
  }
  return changed;
}

int TSaveData::EndRound() {
  MidCourse = 0;
  InitLevelStats();
  return 0;
}
