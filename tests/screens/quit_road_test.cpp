// A quit (the window's close button or a signal: the platform's quit request) in the middle of a
// hole, through the real program, headless, played by the scripted player from a first run. Wherever
// it lands, the program ends in order within a few frames: status 0, the clean-exit marker written
// and the hole saved as it stands, which the next start resumes.
//   - While play waits for the player (the wild shot's dialog, its mini-game, the rifle's aim), the
//     hole is saved at once, before the wild shot's outcome.
//   - While a card is on its way to the foundation, the quit waits for it to land.
//   - When the save on the way out fails (a full disk), the warning it raises does not hold the
//     quit up; with no box to show it, it is named on standard error and the program ends with
//     status 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "tests/support/write_faults.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/globals.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

using namespace road_test;

namespace {

using quill_test::ReadWholeFile;

const char* const kPlayer = "Quinn";

// Frames the program may draw after the quit: the exit fade (300 ms) is six at 50 ms a frame.
constexpr int kFramesToEnd = 20;

std::string UserFile(const std::string& name) { return Game->SubPath + name; }

// The cards of the hole as the player sees them: type, value, suit, face, place and whether each
// lies on the foundation, in a fixed order.
std::vector<std::string> Cards(const std::vector<std::shared_ptr<TCard>>& cards) {
  std::vector<std::string> seen;
  for (const auto& c : cards) {
    if (!c->Playfield && !c->Foundation) continue;
    seen.push_back(std::to_string(c->CardType) + " " + std::to_string(c->Value) + " " +
                   std::to_string(c->Suit) + (c->FaceUp ? " up " : " down ") +
                   (c->Foundation ? "foundation " : "") + std::to_string(static_cast<int>(c->x)) +
                   "," + std::to_string(static_cast<int>(c->y)));
  }
  std::sort(seen.begin(), seen.end());
  return seen;
}

class QuitRoadTest : public testing::Test {
 protected:
  static constexpr int kFrameBudget = 4000;  // 200 s of the game's clock

  TScriptedPlayer player;
  int quitFrame = -1;  // the frame the quit was asked in

  void SetUp() override {
    EmptyUserFolder();
    ccModalLoopHook = &AdvanceModal;
    platform::SetManualClock(1000000);
  }
  void TearDown() override { ccModalLoopHook = nullptr; }

  void Quit() {
    quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
    quitFrame = player.frames;
  }

  // A first run to the first course's first hole; `script` runs after the player on every frame
  // until it quits. Returns the exit status.
  int PlayTheFirstHole(const std::function<void()>& script) {
    player = TScriptedPlayer{};
    quitFrame = -1;
    player.StartTheFirstCourse(kPlayer);
    return player.Play(kFrameBudget, [&] {
      if (quitFrame < 0) script();
    });
  }

  // After the run: it ended soon after the quit, cleanly, with the hole in progress on disk.
  void ExpectEndedSoonWithTheHoleSaved(int status) {
    ASSERT_GE(quitFrame, 0) << "never quit; screens: " << player.trail;
    EXPECT_EQ(status, 0) << "the quit was not carried out; screens: " << player.trail;
    EXPECT_LE(player.frames - quitFrame, kFramesToEnd);
    std::printf("ended %d frames (%d ms of the game's clock) after the quit\n", player.frames - quitFrame,
                (player.frames - quitFrame) * player.frameMs);
    EXPECT_TRUE(platform::FileExists(UserFile("GoodExit.dat")));
    ReadBack(kPlayer);
    const auto& save = *GameScreen->Player->SaveData;
    EXPECT_EQ(save.MidCourse, 1);
    EXPECT_EQ(save.MidHole, 1);
    EXPECT_EQ(save.HoleDamaged, 0) << save.HoleError;
  }

  // Turns the stock's top card into a wild shot that draws `story`, and clicks it.
  static void TurnAWildShot(int story) {
    auto top = CardList->StockTopFind();
    ASSERT_TRUE(top);
    top->CardType = CARDTYPE_WILDSHOT;
    top->ChooseImage();
    WildShotScreen->ForcedStory = story;
    quill_test::PressAt(static_cast<int>(top->x) + 34, static_cast<int>(top->y) + 50);
  }
};

struct WaitingState {
  const char* name;
  int story;  // the wild shot drawn
  std::function<bool()> reached;
};

class QuitWhilePlayWaitsTest : public QuitRoadTest, public testing::WithParamInterface<WaitingState> {};

// Play waits for the player: the quit is carried out at once, the hole saved as it stands. The
// wild shot's outcome is not applied (the hole's cash is what it was when the quit came), and the
// next start resumes the same cards.
TEST_P(QuitWhilePlayWaitsTest, EndsAtOnceWithTheHoleSavedAsItStands) {
  const WaitingState& state = GetParam();
  std::vector<std::string> left;
  int cashLeft = -1, cardsLeft = -1;
  bool turned = false;  // the wild shot is on its way
  const int status = PlayTheFirstHole([&] {
    if (Game->CurrentTScreen != GameScreen || !GameGrid) return;
    if (!turned) {
      if (player.holesSeen != 1 || player.cardsClicked < 2) return;
      player.holdPlay = true;
      if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
      TurnAWildShot(state.story);
      turned = true;
      return;
    }
    if (!state.reached()) return;
    left = Cards(CardList->Cards);
    cashLeft = GameScreen->Player->LevelScore;
    cardsLeft = GameGrid->CardsLeft;
    Quit();
  });
  ExpectEndedSoonWithTheHoleSaved(status);
  const auto& save = *GameScreen->Player->SaveData;
  EXPECT_EQ(save.HoleCash, cashLeft);
  EXPECT_EQ(save.CardsLeft, cardsLeft);
  EXPECT_EQ(Cards(save.Cards), left);
}

INSTANTIATE_TEST_SUITE_P(
    States, QuitWhilePlayWaitsTest,
    testing::Values(
        WaitingState{"WildShotDialog", 1, [] { return WildShotScreen->Active != 0; }},
        WaitingState{"LongDriveMiniGame", 25, [] { return WildShotScreen->MinigameActive != 0; }},
        WaitingState{"RifleAim", 24,
                     [] { return GameScreen->WildshotAnimType == WILDSHOT_ANIM_PICK && !WildShotScreen->Active; }}),
    [](const testing::TestParamInfo<WaitingState>& info) { return std::string(info.param.name); });

// A card clicked at rest flies to the foundation; the quit comes while it is on its way. The quit
// waits for it to land (a fraction of a second), so the hole is saved with the card on the
// foundation, never half-way.
TEST_F(QuitRoadTest, AQuitDuringACardMoveWaitsForTheCardToLand) {
  int cardsBefore = -1, moved = -1;  // the cards left once it lands; the card
  const int status = PlayTheFirstHole([&] {
    if (Game->CurrentTScreen != GameScreen || !GameGrid) return;
    if (moved < 0) {
      if (player.holesSeen != 1 || player.cardsClicked < 2) return;
      player.holdPlay = true;
      if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
      // A layout card that plays, else the stock's top card: either flies to the foundation.
      std::set<int> tried;
      auto card = NextPlayableCard(tried);
      const bool fromLayout = card != nullptr;
      if (!card) card = CardList->StockTopFind();
      if (!card || card->CardType == CARDTYPE_WILDSHOT) return;
      cardsBefore = GameGrid->CardsLeft - (fromLayout ? 1 : 0);
      moved = card->ID;
      player.ClickAt(static_cast<int>(card->x) + 34, static_cast<int>(card->y) + 50);
      return;
    }
    if (TGameScreen::TestForAnims() == 1) Quit();  // the card is on its way
  });
  ExpectEndedSoonWithTheHoleSaved(status);
  const auto& save = *GameScreen->Player->SaveData;
  EXPECT_EQ(save.CardsLeft, cardsBefore);
  EXPECT_EQ(save.FoundationID, moved);
  bool landed = false;
  for (const auto& c : save.Cards) {
    // The foundation's place on the table.
    if (c->ID == moved) landed = c->Foundation == 1 && c->x == 419.0f && c->y == 460.0f;
  }
  EXPECT_TRUE(landed) << "card " << moved << " was saved away from the foundation";
}

// Counts the passes of a message box's loop; every 1000th presses Space, so a box that waits for a
// key ends and the test fails instead of hanging.
int g_boxPasses = 0;
void CountBoxPasses() {
  ++g_boxPasses;
  quill_test::AdvanceModalClock(16);
}

// The disk is full when the quit comes: saving the hole fails and says so (the folder and the
// reason, in the error log and on standard error), the player's file on disk stays as it was, and
// the warning does not wait for a key: the program ends at once, with status 1 for the lost save.
TEST_F(QuitRoadTest, AFailedSaveOnTheWayOutDoesNotHoldTheQuit) {
  std::string profile, before;
  std::unique_ptr<quill_test::WriteFaults> full;
  testing::internal::CaptureStderr();
  const int status = PlayTheFirstHole([&] {
    if (Game->CurrentTScreen != GameScreen || !GameGrid) return;
    if (player.holesSeen != 1 || player.cardsClicked < 2) return;
    player.holdPlay = true;
    if (!TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
    profile = Game->CurrentProfile->Path();
    before = ReadWholeFile(profile);
    full = std::make_unique<quill_test::WriteFaults>(quill_test::WriteFault::kFail, profile);
    g_boxPasses = 0;
    ccModalLoopHook = &CountBoxPasses;
    Quit();
  });
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(full) << "never quit; screens: " << player.trail;
  EXPECT_GE(full->Faulted(), 1);
  full.reset();
  EXPECT_EQ(status, 1);
  EXPECT_NE(said.find("Error: Could not create file '" + profile + "': the folder " +
                      Game->ProfilePath + " cannot be written (No space left on device)"),
            std::string::npos)
      << said;
  EXPECT_LE(player.frames - quitFrame, kFramesToEnd);
  std::printf("ended %d frames after the quit, the warning drawn %d times\n", player.frames - quitFrame,
              g_boxPasses);
  EXPECT_EQ(g_boxPasses, 0) << "the warning waited for a key";
  EXPECT_TRUE(platform::FileExists(UserFile("GoodExit.dat")));
  EXPECT_EQ(ReadWholeFile(profile), before);
  const std::string log = ReadWholeFile(UserFile("ErrorLog.txt"));
  EXPECT_NE(log.find(profile + "': the folder " + Game->ProfilePath +
                     " cannot be written (No space left on device)"),
            std::string::npos)
      << log;
}

}  // namespace
