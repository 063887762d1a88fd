// A hole left in the middle comes back card for card: the play screen's hole is copied into the
// player's profile file as the window's close does, read back by a fresh start's profile, and
// rebuilt by the next hole start instead of a new deal.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/files.h"
#include "progress/profile_hooks.h"
#include "tests/play/play_fixture.h"
#include "ui/profile.h"

namespace {

using CardState = std::tuple<int, int, int, int, int, int, float, float, std::vector<int>>;

std::vector<CardState> Cards() {
  std::vector<CardState> out;
  for (const auto& c : CardList->Cards)
    out.emplace_back(c->ID, c->CardType, c->Value, c->Suit, c->FaceUp, c->Stock, c->x, c->y, c->Relationships);
  return out;
}

class ResumeHoleTest : public PlayScreenFixture {
 protected:
  void SetUp() override {
    PlayScreenFixture::SetUp();
    saved_hook_ = TProfile::CreateUserFunction;
    TProfile::CreateUserFunction = CreateProfileExtra;
    const char* base = std::getenv("XDG_DATA_HOME");
    Game->ProfilePath = std::string(base ? base : "/tmp") + "/resume-profiles/";
    platform::CreateFolder(Game->ProfilePath);
    platform::DeleteFile(Game->ProfilePath + "Tess.dat");
  }
  void TearDown() override {
    TProfile::CreateUserFunction = saved_hook_;
    PlayScreenFixture::TearDown();
  }
  // The profile as the title screen opens the remembered player.
  std::shared_ptr<TProfile> OpenTess() {
    auto tess = TProfile::Create("Tess");
    InstallProfileHooks(*tess);
    Game->CurrentProfile = tess;
    return tess;
  }
  std::function<int(TProfile&)> saved_hook_;
};

TEST_F(ResumeHoleTest, TheSameCardsCashAndRunReturn) {
  auto tess = OpenTess();
  ASSERT_EQ(tess->Load(), 0);  // a new player: the file is written
  auto& player = *GameScreen->Player;
  player.ProfileRead(tess.get(), 0);
  player.Level = 2;
  player.SaveData->CourseName = "Fixture Links";
  StartHole();
  player.LevelScore = 40;
  player.Score = 1234;
  HUD->DriveLength = 3;
  HUD->Multiplier = 1.4;
  const auto before = Cards();
  ASSERT_FALSE(before.empty());
  const int foundation = GameGrid->FoundationCard ? GameGrid->FoundationCard->ID : -1;

  // The window is closed during play.
  player.SaveData->MidCourse = 1;
  player.SaveData->MidHole = 1;
  player.ProfileUpdate(*tess);
  ASSERT_EQ(player.ProfileWrite(tess.get()), 1);
  GameScreen->KillGeneric();

  // The next start: the remembered player is opened afresh and the round continued.
  auto again = OpenTess();
  EXPECT_EQ(player.SaveData->MidHole, 0);  // the new-profile hook reset the state first
  ASSERT_EQ(again->Load(), 1);
  EXPECT_EQ(player.SaveData->MidHole, 1);
  player.ProfileRead(again.get(), 0);
  EXPECT_EQ(player.Level, 2);
  EXPECT_EQ(player.Score, 1234);
  TGameScreen::LoadLevelFromProfile = player.SaveData->MidHole;
  StartHole();
  EXPECT_EQ(Cards(), before);
  EXPECT_EQ(GameGrid->FoundationCard ? GameGrid->FoundationCard->ID : -1, foundation);
  EXPECT_EQ(player.LevelScore, 40);
  EXPECT_EQ(HUD->DriveLength, 3);
  EXPECT_DOUBLE_EQ(HUD->Multiplier, 1.4);
}

}  // namespace
