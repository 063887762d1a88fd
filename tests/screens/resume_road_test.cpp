// Leaving a round and coming back, through the real program twice (two runs of the entry in one
// process, the per-user folder kept between them), played by the scripted player from a first run:
// the name and face, Play, the first course's Start and the newspaper. The first run leaves the
// round in one of the ways a player has; the second starts at the title, presses Play, answers
// the resume question with "continue_round" and finds the round where it was left, also when the
// file lost its tips shown or has stray bytes in their place between the runs. A last test
// leaves the hole only for the options screen and comes back to it in the same run.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/rules.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "play/hud.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/options_screen.h"
#include "screens/resume_game_dialog.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"

using namespace road_test;

namespace {

const char* const kPlayer = "Ann";

// The hole on the table: its number, the cards left, and every layout card (type, value, suit,
// face, place) in a fixed order.
struct THoleSeen {
  int hole = -1, cardsLeft = -1;
  std::vector<std::string> layout;
  bool operator==(const THoleSeen&) const = default;
};

THoleSeen HoleNow() {
  THoleSeen seen;
  seen.hole = HUD ? HUD->FlagLevel : -1;
  seen.cardsLeft = GameGrid ? GameGrid->CardsLeft : -1;
  for (const auto& c : CardList->Cards) {
    if (!c->Playfield) continue;
    seen.layout.push_back(std::to_string(c->CardType) + " " + std::to_string(c->Value) + " " +
                          std::to_string(c->Suit) + (c->FaceUp ? " up " : " down ") +
                          std::to_string(static_cast<int>(c->x)) + "," + std::to_string(static_cast<int>(c->y)));
  }
  std::sort(seen.layout.begin(), seen.layout.end());
  return seen;
}

std::string Describe(const THoleSeen& h) {
  std::string s = "hole " + std::to_string(h.hole) + ", " + std::to_string(h.cardsLeft) + " cards left:";
  for (const auto& card : h.layout) s += " [" + card + "]";
  return s;
}

}  // namespace

class ResumeRoadTest : public testing::Test {
 protected:
  static constexpr int kFrameBudget = 4000;  // 200 s of the game's clock

  TScriptedPlayer player;
  bool quitAsked = false;

  void SetUp() override {
    EmptyUserFolder();
    ccModalLoopHook = &AdvanceModal;
    platform::SetManualClock(1000000);
  }
  void TearDown() override { ccModalLoopHook = nullptr; }

  // Runs the real program once with the player as set up; `script` runs after the player on every
  // frame until it calls Quit. Returns the exit status.
  int Run(const std::function<void()>& script) {
    quitAsked = false;
    return player.Play(kFrameBudget, [&] {
      if (!quitAsked) script();
    });
  }

  // Where the player got to, for a failure's message.
  std::string Where() const {
    return "screens: " + player.trail + "; " + std::to_string(player.frames) + " frames, " +
           std::to_string(player.clicks) + " clicks, " + std::to_string(player.holesSeen) + " holes seen, " +
           std::to_string(player.cardsClicked) + " cards clicked on the last";
  }

  // The window's close button (or a signal): the platform's quit request.
  void Quit() {
    quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
    quitAsked = true;
  }

  // A first run up to the first hole: the name and face, Play, and the first course's Start.
  void StartTheFirstCourse() {
    player = TScriptedPlayer{};
    player.StartTheFirstCourse(kPlayer);
  }

  // A later run: the title's Play, then "continue_round" in the resume question; the player plays
  // nothing itself.
  void ResumeFromTheTitle() {
    player = TScriptedPlayer{};
    player.holdPlay = true;
    player.onScreen = [this](const std::shared_ptr<TScreen>& current) {
      if (current != TitleScreen || !player.Rested(1000)) return;
      if (auto& dialog = TitleScreen->ResumeDialog; dialog && dialog->Active) {
        player.ClickButton(dialog->Menu->FindButton("continue_round"));
      } else {
        player.ClickButton(TitleScreen->Menu->FindButton("Bigplay"));
      }
    };
  }

  // Plays a few cards of hole 1 on a first run, then closes the window once they have come to
  // rest; returns the hole as it was left.
  THoleSeen LeaveTheFirstHoleInTheMiddle() {
    THoleSeen left;
    StartTheFirstCourse();
    const int status = Run([&] {
      if (player.holesSeen != 1 || player.cardsClicked < 4) return;
      // No more clicks; once the last one has come to rest, the window is closed.
      player.holdPlay = true;
      if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
      left = HoleNow();
      Quit();
    });
    EXPECT_EQ(status, 0) << Where();
    return left;
  }

  // Runs the second start and returns the hole it resumes, once play rests on it.
  THoleSeen Resume() {
    THoleSeen resumed;
    ResumeFromTheTitle();
    const int status = Run([&] {
      if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
      resumed = HoleNow();
      Quit();
    });
    EXPECT_EQ(status, 0) << "the resumed round never came to rest; " << Where();
    EXPECT_NE(player.trail.find("title game"), std::string::npos) << player.trail;
    return resumed;
  }
};

// In the middle of hole 1, with a few cards played and nothing moving, the window is closed: the
// program ends in order, the file holds the hole in progress, and the next start resumes that very
// hole.
TEST_F(ResumeRoadTest, AWindowClosedInTheMiddleOfAHoleResumesThatHole) {
  const THoleSeen left = LeaveTheFirstHoleInTheMiddle();
  if (HasFailure()) return;
  EXPECT_EQ(left.hole, 1);

  // On disk: the round at hole 1, the hole in progress with its cards.
  auto back = ReadBack(kPlayer);
  const auto& save = *GameScreen->Player->SaveData;
  EXPECT_EQ(back->CurrentLevel, 1);
  EXPECT_EQ(save.CourseName, "The Vuva Rivudar");
  EXPECT_EQ(save.MidCourse, 1);
  EXPECT_EQ(save.MidHole, 1);
  EXPECT_EQ(save.CardsLeft, left.cardsLeft);
  EXPECT_EQ(save.HoleDamaged, 0) << save.HoleError;

  const THoleSeen resumed = Resume();
  EXPECT_EQ(resumed, left) << "left: " << Describe(left) << "\nresumed: " << Describe(resumed);
}

// The end of the player's file as a cut write or an older game leaves it: how many of the twelve
// bytes of the tips shown it keeps, then how many stray bytes follow.
struct TTipsTail {
  const char* name;
  int tipBytes, strayBytes;
};

void PrintTo(const TTipsTail& tail, std::ostream* os) { *os << tail.name; }

class ResumeWithoutTheTipsTest : public ResumeRoadTest,
                                 public testing::WithParamInterface<TTipsTail> {};

// The window is closed in the middle of hole 1, and the file then loses some of its tips shown or
// has stray bytes in their place: the next start resumes that very hole with the cash and the
// courses the player had, sets nothing aside and says nothing of the file.
TEST_P(ResumeWithoutTheTipsTest, ResumesTheSameHoleWithTheSameCash) {
  const THoleSeen left = LeaveTheFirstHoleInTheMiddle();
  if (HasFailure()) return;
  const int cash = ReadBack(kPlayer)->Score;
  const auto courses = GameScreen->Player->SaveData->UnlockedCourses;
  const std::string path = Game->ProfilePath + kPlayer + ".dat";
  auto bytes = platform::ReadFileBytes(path).value_or(std::vector<unsigned char>{});
  ASSERT_GT(bytes.size(), 12u);
  bytes.resize(bytes.size() - 12 + static_cast<std::size_t>(GetParam().tipBytes));
  bytes.insert(bytes.end(), static_cast<std::size_t>(GetParam().strayBytes), 0x5A);
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));
  platform::DeleteFile(ccErrorPath + "ErrorLog.txt");

  const THoleSeen resumed = Resume();
  EXPECT_EQ(resumed, left) << "left: " << Describe(left) << "\nresumed: " << Describe(resumed);
  EXPECT_EQ(GameScreen->Player->Score, cash);
  EXPECT_EQ(GameScreen->Player->SaveData->UnlockedCourses, courses);
  EXPECT_FALSE(platform::FileExists(path + ".damaged"));
  const std::string log = quill_test::ReadWholeFile(ccErrorPath + "ErrorLog.txt");
  EXPECT_EQ(log.find(path), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(
    Tails, ResumeWithoutTheTipsTest,
    testing::Values(TTipsTail{"CutAfterOneTipByte", 1, 0}, TTipsTail{"CutAfterSevenTipBytes", 7, 0},
                    TTipsTail{"OlderFile", 0, 0}, TTipsTail{"OlderFileAndThreeStrayBytes", 0, 3},
                    TTipsTail{"OlderFileAndElevenStrayBytes", 0, 11}),
    [](const testing::TestParamInfo<TTipsTail>& info) { return std::string(info.param.name); });

// A tip the first course shows once in a game, and what the game does at its moment.
struct TOnceTip {
  const char* name;
  int type;  // the play screen's PopUpTipType while it is open
  // Does what the game does at the tip's moment: the tip shows unless the game has shown it.
  std::function<void()> moment;
  // Whether the moment is over (the tip has shown by then if it was to show).
  std::function<bool()> over;
  // The play screen's count of this tip shown, and the one the player's saved game keeps.
  std::function<int()> counted, saved;
};

void PrintTo(const TOnceTip& tip, std::ostream* os) { *os << tip.name; }

// An iron card flies from the foundation into the first free slot of the bag, as a played iron
// does (on this course the first is the third hole's); over once the iron has landed in the bag.
TOnceTip FirstIron() {
  auto slot = std::make_shared<int>(0);
  return {"FirstIron",
          2,
          [slot] {
            const auto& irons = GameScreen->Player->Irons;
            *slot = IRON_FIRST;
            while (*slot < IRON_LAST && irons[static_cast<std::size_t>(*slot)] != 0) ++*slot;
            auto card = CardList->Add(GameGrid->FOUNDATIONX, GameGrid->FOUNDATIONY, CARDTYPE_IRON,
                                      1, *slot, 0);
            card->ID = TCardList::HighID++;
            card->FlyIronToBagStart();
          },
          [slot] { return GameScreen->Player->Irons[static_cast<std::size_t>(*slot)] != 0; },
          [] { return GameScreen->IronPopUps; },
          [] { return GameScreen->Player->SaveData->IronTips; }};
}

// The first long drive of the course (what the run's sixth card does here); over at once.
TOnceTip FirstLongDrive() {
  return {"FirstLongDrive",
          3,
          [] { HUD->FirstLongDrive(); },
          [] { return true; },
          [] { return GameScreen->LongDrivePopUps; },
          [] { return GameScreen->Player->SaveData->LongDriveTips; }};
}

class ResumeOnceTipTest : public ResumeRoadTest, public testing::WithParamInterface<TOnceTip> {
 protected:
  // Whether the tip is open over play now.
  bool TipOpen() const {
    return GameScreen->PopUpTipDialog != nullptr && GameScreen->PopUpTipType == GetParam().type;
  }
};

// In the first hole the tip's moment comes and its tip shows; the player answers it and closes the
// window. The file keeps the tip shown, the next start resumes the course, and the same moment
// there shows no tip: a game shows it once.
TEST_P(ResumeOnceTipTest, ATipShownBeforeTheWindowClosedIsNotShownAgainInTheResumedCourse) {
  const TOnceTip& tip = GetParam();
  enum Stage { Playing, Moment, TipOpened, Answered } stage = Playing;
  bool tipShown = false;
  StartTheFirstCourse();
  ASSERT_EQ(Run([&] {
              tipShown = tipShown || TipOpen();
              switch (stage) {
                case Playing:
                  if (player.holesSeen != 1 || player.cardsClicked < 2) return;
                  player.holdPlay = true;
                  if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
                  tip.moment();
                  stage = Moment;
                  return;
                case Moment:
                  if (!tip.over() && !TipOpen()) return;
                  stage = TipOpened;
                  return;
                case TipOpened:  // the scripted player answers the tip with its OK
                  if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
                  stage = Answered;
                  Quit();
                  return;
                case Answered:
                  return;
              }
            }),
            0)
      << "stage " << stage << "; " << Where();
  ASSERT_TRUE(tipShown);
  EXPECT_EQ(tip.counted(), 1);
  ReadBack(kPlayer);
  EXPECT_EQ(tip.saved(), 1) << "the file does not keep the tip shown";

  enum { Resumed, AgainMoment, Done } again = Resumed;
  bool tipAgain = false;
  int counted = -1;
  ResumeFromTheTitle();
  EXPECT_EQ(Run([&] {
              tipAgain = tipAgain || TipOpen();
              switch (again) {
                case Resumed:
                  if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
                  counted = tip.counted();
                  tip.moment();
                  again = AgainMoment;
                  return;
                case AgainMoment:
                  if (!tip.over() || !TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
                  again = Done;
                  Quit();
                  return;
                case Done:
                  return;
              }
            }),
            0)
      << Where();
  ASSERT_EQ(again, Done) << Where();
  EXPECT_NE(player.trail.find("title game"), std::string::npos) << player.trail;
  EXPECT_EQ(counted, 1);
  EXPECT_FALSE(tipAgain) << "the tip came again in the resumed course";
}

INSTANTIATE_TEST_SUITE_P(Tips, ResumeOnceTipTest, testing::Values(FirstLongDrive(), FirstIron()),
                         [](const testing::TestParamInfo<TOnceTip>& info) {
                           return std::string(info.param.name);
                         });

// The ways out of a round on the score card between holes 1 and 2; each comes back at hole 2.
enum class TLeave { SaveAndExitOnTheCard, ContinueThenTheInGameMenusSave, WindowClosedOnTheCard };

class ResumeBetweenHolesTest : public ResumeRoadTest, public testing::WithParamInterface<TLeave> {};

TEST_P(ResumeBetweenHolesTest, ComesBackAtHoleTwo) {
  const TLeave way = GetParam();
  enum Stage { Playing, OnCard, EscapePressed, Hole2, MenuOpen, Leaving } stage = Playing;
  bool escapeKeptTheCard = false;
  int holeOneToPar = 1000;
  THoleSeen left;
  StartTheFirstCourse();
  player.holdScoreCard = true;
  auto card = [](const char* name) { return TScriptedPlayer::Usable(ScoreCardScreen->Menu, name); };
  ASSERT_EQ(Run([&] {
              switch (stage) {
                case Playing:
                  // The card after hole 1, zoomed in, its buttons live.
                  if (!ScoreCardScreen || !ScoreCardScreen->Active || ScoreCardScreen->MidHole != 0 ||
                      !card("continue") || !player.Rested(800))
                    return;
                  holeOneToPar = GameScreen->Player->SaveData->CourseArrayToPar[0];
                  // Escape means nothing on this card: it stays open, and no menu drops over it.
                  quill_test::PushKey(27);
                  stage = EscapePressed;
                  return;
                case EscapePressed:
                  if (!player.Rested(800)) return;
                  escapeKeptTheCard = ScoreCardScreen->Active && card("continue") && !GameMenu->Active;
                  stage = OnCard;
                  return;
                case OnCard:
                  if (way == TLeave::SaveAndExitOnTheCard) {
                    player.ClickButton(card("saveandexit"));
                    stage = Leaving;
                  } else if (way == TLeave::WindowClosedOnTheCard) {
                    Quit();
                  } else {
                    player.holdPlay = true;
                    player.ClickButton(card("continue"));
                    stage = Hole2;
                  }
                  return;
                case Hole2:
                  if (player.holesSeen != 2 || !TScriptedPlayer::PlayRests() || !player.Rested(500)) return;
                  left = HoleNow();
                  quill_test::PushKey(27);  // the in-game menu drops in
                  stage = MenuOpen;
                  return;
                case MenuOpen:
                  if (!GameMenu->Active || GameMenu->Bounces > 0 || GameMenu->FadeIn->Active || !player.Rested(500))
                    return;
                  player.ClickButton(GameMenu->Menu->FindButton("InGameMenu_save"));
                  stage = Leaving;
                  return;
                case Leaving:
                  if (Game->CurrentTScreen == TitleScreen && Game->Fading() == 0 && player.Rested(500)) Quit();
                  return;
              }
            }),
            0)
      << "stage " << stage << "; " << Where();
  EXPECT_TRUE(escapeKeptTheCard);
  EXPECT_NE(holeOneToPar, 1000);

  // On disk: the round at hole 2 with hole 1's result; a hole in progress only when one was left.
  auto back = ReadBack(kPlayer);
  const auto& save = *GameScreen->Player->SaveData;
  EXPECT_EQ(back->CurrentLevel, 2);
  EXPECT_EQ(save.MidCourse, 1);
  EXPECT_EQ(save.MidHole, way == TLeave::ContinueThenTheInGameMenusSave ? 1 : 0);
  EXPECT_EQ(save.CourseArrayToPar[0], holeOneToPar);

  const THoleSeen resumed = Resume();
  EXPECT_EQ(resumed.hole, 2);
  EXPECT_EQ(GameScreen->Player->SaveData->CourseArrayToPar[0], holeOneToPar);
  if (way == TLeave::ContinueThenTheInGameMenusSave) {
    EXPECT_EQ(resumed, left) << "left: " << Describe(left) << "\nresumed: " << Describe(resumed);
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, ResumeBetweenHolesTest,
                         testing::Values(TLeave::SaveAndExitOnTheCard, TLeave::ContinueThenTheInGameMenusSave,
                                         TLeave::WindowClosedOnTheCard),
                         [](const testing::TestParamInfo<TLeave>& info) {
                           switch (info.param) {
                             case TLeave::SaveAndExitOnTheCard: return std::string("SaveAndExitOnTheCard");
                             case TLeave::ContinueThenTheInGameMenusSave:
                               return std::string("ContinueThenTheInGameMenusSave");
                             case TLeave::WindowClosedOnTheCard: return std::string("WindowClosedOnTheCard");
                           }
                           return std::string();
                         });

// In the middle of hole 1 the in-game menu's Options, then the options' OK: the same hole comes
// back under the menu, its Resume gives play back, and the hole is played to its score card.
TEST_F(ResumeRoadTest, TheInGameMenusOptionsComeBackToTheSameHole) {
  enum Stage { Playing, MenuOpen, Options, BackInMenu, Resumed, Done } stage = Playing;
  THoleSeen left, back;
  bool menuOnReturn = false;
  StartTheFirstCourse();
  player.holdScoreCard = true;
  auto menuSettled = [] { return GameMenu->Active && GameMenu->Bounces == 0 && !GameMenu->FadeIn->Active; };
  const int status = Run([&] {
    switch (stage) {
      case Playing:
        if (player.holesSeen != 1 || player.cardsClicked < 4) return;
        player.holdPlay = true;
        if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
        left = HoleNow();
        quill_test::PushKey(27);
        stage = MenuOpen;
        return;
      case MenuOpen:
        if (!menuSettled() || !player.Rested(500)) return;
        player.ClickButton(GameMenu->Menu->FindButton("InGameMenu_options"));
        stage = Options;
        return;
      case Options:
        if (Game->CurrentTScreen != OptionsScreen || Game->Fading() != 0 || !player.Rested(1000)) return;
        player.ClickButton(OptionsScreen->Menu->FindButton("OK"));
        stage = BackInMenu;
        return;
      case BackInMenu:
        if (Game->CurrentTScreen != GameScreen || Game->Fading() != 0 || !player.Rested(1000)) return;
        menuOnReturn = GameMenu->Active != 0;
        if (menuOnReturn) player.ClickButton(GameMenu->Menu->FindButton("InGameMenu_resume"));
        stage = Resumed;
        return;
      case Resumed:
        if (!TScriptedPlayer::PlayRests() || !player.Rested(500)) return;
        back = HoleNow();
        player.holdPlay = false;
        stage = Done;
        return;
      case Done:
        if (ScoreCardScreen->Active && player.Rested(1000)) Quit();
        return;
    }
  });
  ASSERT_EQ(status, 0) << "stage " << stage << "; " << Where();
  EXPECT_TRUE(menuOnReturn);
  EXPECT_EQ(back, left) << "left: " << Describe(left) << "\nback: " << Describe(back);
  EXPECT_NE(player.trail.find("game options game"), std::string::npos) << player.trail;
}
