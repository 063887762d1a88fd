// The HUD over time: the run and the long drive stepped as frames of whole and fractional ticks,
// the celebration, the shake and the hole-cash sign; and its signs drawn on the software renderer
// with fixture digit strips.

#include "play/hud.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "cards/pixie_dust.h"
#include "content/course_list.h"
#include "content/globals.h"
#include "gfx/bitmap_font.h"
#include "platform/system.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "play/hud_rules.h"
#include "progress/career_stats.h"
#include "progress/globals.h"
#include "progress/stat.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "ui/dialog_ok.h"
#include "util/animation.h"
#include "tests/play/field_play_fixture.h"

namespace {

// A picture of `frames` frames of w x h, frame f filled with red f and the given green and blue.
std::shared_ptr<TGameImage> Strip(int w, int h, int frames, int green = 100, int blue = 200) {
  auto img = std::make_shared<TGameImage>();
  img->image = platform::CreateImage(w, h, frames);
  for (int f = 0; f < frames; ++f) {
    auto pix = img->image->LockFrame(f);
    pix->Fill(0xFF000000u | (static_cast<unsigned>(f) << 16) | (static_cast<unsigned>(green) << 8) |
              static_cast<unsigned>(blue));
    img->image->UnlockFrame(f);
  }
  img->w = w;
  img->h = h;
  img->w2 = static_cast<float>(w / 2);
  img->h2 = static_cast<float>(h / 2);
  return img;
}

class HudTest : public PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    Game->Particles = 100;
    for (auto& img : ParticleImages) img = Strip(4, 4, 1);
  }
  void TearDown() override {
    for (auto& img : ParticleImages) img.reset();
    platform::SetOrigin(0, 0);
    PlayFixture::TearDown();
  }

  // One logic tick of what the play screen runs for the HUD.
  void Tick(float delta) {
    Delta = delta;
    HUD->Manage();
    TokenGeneratorList->Manage();
    Particles2->Manage();
    ::Particles->Manage();
    ScoreParticles->Manage();
    BackgroundParticles->Manage();
    Delta = 1.0f;
  }
  // `ms` of play as frames of 1/60 s: three whole ticks and a third of one each; `each` runs after
  // every tick with the time reached.
  void Run(double ms, const std::function<void(double)>& each = nullptr) {
    double left = ms / 5.0;
    while (left > 1e-9) {
      const double frame = std::min(left, 10.0 / 3.0);
      double done = 0;
      while (frame - done >= 1.0) {
        Tick(1.0f);
        done += 1.0;
        now_ += 5.0;
        if (each) each(now_);
      }
      if (frame - done > 1e-9) {
        Tick(static_cast<float>(frame - done));
        now_ += 5.0 * (frame - done);
        if (each) each(now_);
      }
      left -= frame;
    }
  }
  void Cards(int n) {
    for (int i = 0; i < n; ++i) HUD->DriveLengthChange(1);
  }
  double now_ = 0;
};

TEST_F(HudTest, AShortRunEndsWithoutEffect) {
  Cards(5);
  EXPECT_EQ(TokenGeneratorList->Count(), 0);
  HUD->DriveLengthReset();
  EXPECT_EQ(HUD->LastDriveLength, 5);
  EXPECT_EQ(HUD->LongDrive, 0);
  EXPECT_EQ(HUD->MultiplierAnimCounter, 0);
  EXPECT_EQ(HUD->MultiplierGhost, 1.0);
  EXPECT_EQ(HUD->Multiplier, 1.0);
}

TEST_F(HudTest, TheSixthCardStartsALongDrivePayingOneThenTwo) {
  Cards(5);
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 0);
  EXPECT_EQ(HUD->DriveLengthChange(1), 1);
  EXPECT_EQ(HUD->LongDrive, 1);
  EXPECT_EQ(GameScreen->EndHoleIsEnabled(), false);  // End Drive is up
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 1);
  EXPECT_NEAR(HUD->MultiplierGhost, 1.1, 1e-9);
  Run(400);  // the token's flight to the hole-cash sign
  EXPECT_EQ(GameScreen->Player->LevelScore, 1);
  EXPECT_EQ(HUD->DriveLengthChange(1), 0);
  EXPECT_EQ(HUD->FiveXBonus, 2);
  EXPECT_NEAR(HUD->MultiplierGhost, 1.2, 1e-9);
  Run(400);
  EXPECT_EQ(GameScreen->Player->LevelScore, 1 + 2);
  // A mulligan's card back lowers the pending rise and pays nothing.
  EXPECT_EQ(HUD->DriveLengthChange(-1), 0);
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 0);
  EXPECT_NEAR(HUD->MultiplierGhost, 1.1, 1e-9);
}

TEST_F(HudTest, EndDriveHoldsInputUntilTheBallLandsOnThePendingValue) {
  Cards(10);
  HUD->GenuineDrive = 1;
  HUD->DriveLengthReset();
  GameGrid->MegaBlock = 1;  // as the End Drive handler does
  HUD->DriveEnded = 1;
  EXPECT_EQ(HUD->LastDriveLength, 10);
  EXPECT_EQ(HUD->DriveLength, 0);
  int minFrame = 99, maxFrame = 0;
  double struck = -1, landed = -1;
  Run(1100, [&](double t) {
    minFrame = std::min(minFrame, HUD->ClubFrame);
    maxFrame = std::max(maxFrame, HUD->ClubFrame);
    if (struck < 0 && HUD->BallAnimCounter > 0) struck = t;
    if (landed < 0 && struck >= 0 && HUD->BallAnimCounter == 0) landed = t;
    if (landed < 0) {
      EXPECT_EQ(GameGrid->MegaBlock, 1) << t;
    }
  });
  EXPECT_EQ(minFrame, 17);
  EXPECT_EQ(maxFrame, 38);
  EXPECT_GT(struck, 450);  // after the 300 ms pause and the back-swing of 150 ms
  EXPECT_LT(struck, 570);
  EXPECT_NEAR(landed - struck, 300, 10);
  EXPECT_EQ(GameGrid->MegaBlock, 0);
  EXPECT_EQ(HUD->Multiplier, HUD->MultiplierGhost);  // exactly
  EXPECT_NEAR(HUD->Multiplier, 1.5, 1e-9);
  EXPECT_EQ(HUD->ClubFrame, HUD->ClubNeutralFrame);
  EXPECT_EQ(HUD->MultiplierAnimCounter, 0);
  EXPECT_EQ(HUD->NextStockCardWasNull, 1);
}

TEST_F(HudTest, TheFirstLandingAtTheTopCelebratesThenFreezesTheRun) {
  Cards(20);
  HUD->DriveLengthReset();
  GameGrid->MegaBlock = 1;
  double start = -1;
  int before = 0, burst = 0;
  Run(1300, [&](double t) {
    if (start < 0 && HUD->FiveXReached) {
      start = t;
      burst = ::Particles->Count() - before;
    }
    before = ::Particles->Count();
  });
  ASSERT_EQ(HUD->FiveXReached, 1);
  EXPECT_EQ(HUD->Multiplier, 3.0);
  EXPECT_GT(HUD->FiveXAnimCounter, 0);
  EXPECT_EQ(GameGrid->MegaBlock, 1);  // held through the celebration
  // Six fireworks at once, 100 particles each at full detail; no more in the first 500 ms.
  EXPECT_EQ(burst, 600);
  int last = ::Particles->Count();
  bool grewEarly = false, grewLater = false;
  Run(7600 - (now_ - start), [&](double t) {
    const int n = ::Particles->Count();
    // The celebration's own clock began one tick before `start` was seen (the tick that reached
    // the top also ran it down), so the tick at 495 ms already ends its 500 ms: the random
    // fireworks may begin there.
    if (n > last) (t - start < 495 ? grewEarly : grewLater) = true;
    last = n;
    if (HUD->FiveXAnimCounter > 0) {
      EXPECT_EQ(GameGrid->MegaBlock, 1) << t - start;
    }
  });
  EXPECT_FALSE(grewEarly);
  EXPECT_TRUE(grewLater);
  EXPECT_EQ(HUD->FiveXAnimCounter, 0);
  EXPECT_EQ(GameGrid->MegaBlock, 0);
  float ox = 1, oy = 1;
  platform::GetOrigin(&ox, &oy);
  EXPECT_EQ(ox, 0);
  EXPECT_EQ(oy, 0);
  // The digit, the X and the eleven letters stay until 8156 ms, then all go together (within
  // the ticks that the phases' ends fall between).
  EXPECT_EQ(ScoreParticles->Count(), 13);
  Run(8135 - (now_ - start));
  EXPECT_EQ(ScoreParticles->Count(), 13);
  Run(40);
  EXPECT_EQ(ScoreParticles->Count(), 0);
  // The run no longer counts in this hole.
  EXPECT_EQ(HUD->DriveLengthChange(1), 0);
  Cards(10);
  EXPECT_EQ(HUD->DriveLength, 0);
  EXPECT_EQ(HUD->MultiplierGhost, 3.0);
}

// Each hole keeps its own longest drive; the career's stays at the longest of all (a record
// belongs to a named player, so a shorter drive after a longer one leaves it).
TEST_F(HudTest, ALongDriveIsRecordedAndTwentyEightCardsWinTrophyFive) {
  auto& save = *GameScreen->Player->SaveData;
  GameScreen->Player->Name = "Tess";
  auto savedBuilder = RewardDialogBuilder;
  RewardDialogBuilder = nullptr;
  struct Case {
    int cards, flagLevel, careerLongest;
  };
  for (const Case c : {Case{27, 3, 27}, Case{28, 18, 28}, Case{30, 0, 30}, Case{29, 19, 30}}) {
    SCOPED_TRACE(c.cards);
    HUD->Init();
    HUD->FlagLevel = c.flagLevel;
    save.CourseLongDrives.fill(0);
    save.HoleLongestDrive = 0;
    GameScreen->TrophyDialogs.fill(-1);
    Cards(c.cards);
    HUD->DriveLengthReset();
    EXPECT_EQ(save.HoleLongestDrive, c.cards);
    EXPECT_EQ(save.CareerStats->LongestDrive->Value, c.careerLongest);
    EXPECT_EQ(save.CareerStats->LongestDrive->PlayerName, "Tess");
    int counted = 0;
    for (int n : save.CourseLongDrives) counted += n;
    // only holes 1..18 have a count; a damaged hole number touches nothing
    EXPECT_EQ(counted, c.flagLevel >= 1 && c.flagLevel <= 18 ? 1 : 0) << c.flagLevel;
    if (counted) {
      EXPECT_EQ(save.CourseLongDrives[static_cast<std::size_t>(c.flagLevel - 1)], 1);
    }
    Run(1700);
    if (HUD->FiveXAnimCounter > 0) Run(7600);
    EXPECT_EQ(save.Trophies[5], c.cards >= 28 ? 1 : 0) << c.cards;
    // once held, no second award is queued
    EXPECT_EQ(GameScreen->TrophyDialogs[5], -1);
  }
  EXPECT_EQ(save.CareerStats->Total5x->Value, 4);  // each hole's first landing at the top
  RewardDialogBuilder = savedBuilder;
}

// The career's Longest Drive keeps the longest drive of every hole played: a shorter drive on a
// later hole leaves it, a longer one replaces it.
TEST_F(HudTest, TheCareersLongestDriveKeepsTheLongestOfEveryHole) {
  auto& save = *GameScreen->Player->SaveData;
  GameScreen->Player->Name = "Tess";  // a record belongs to a player
  auto savedBuilder = RewardDialogBuilder;
  RewardDialogBuilder = nullptr;
  const struct { int cards, longest; } holes[] = {{9, 9}, {14, 14}, {7, 14}, {6, 14}, {16, 16}};
  for (const auto& hole : holes) {
    SCOPED_TRACE(hole.cards);
    HUD->Init();
    save.HoleLongestDrive = 0;  // a new hole
    Cards(hole.cards);
    HUD->DriveLengthReset();
    EXPECT_EQ(save.HoleLongestDrive, hole.cards);
    EXPECT_EQ(save.CareerStats->LongestDrive->Value, hole.longest);
    Run(1700);
    if (HUD->FiveXAnimCounter > 0) Run(7600);
  }
  RewardDialogBuilder = savedBuilder;
}

// On the first course the long-drive tip comes with the game's first long drive only: a later
// long drive, on the same hole or the next, shows none.
TEST_F(HudTest, TheLongDriveTipComesOncePerGame) {
  GameGrid->LevelName = "The Vuva Rivudar";
  int built = 0;
  const auto savedTip = GameScreen->PopUpTipBuilder;
  GameScreen->PopUpTipBuilder = [&built](const std::string&) {
    ++built;
    return std::make_shared<TDialogOK>();
  };
  for (int drive = 1; drive <= 3; ++drive) {
    SCOPED_TRACE(drive);
    if (drive == 3) HUD->Init();  // the next hole
    Cards(6);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(GameScreen->LongDrivePopUps, 1);
    EXPECT_EQ(GameScreen->Player->SaveData->LongDriveTips, 1);  // kept for a resume
    GameScreen->PopUpTipDialog.reset();
    HUD->DriveLengthReset();
    Run(1700);
    if (HUD->FiveXAnimCounter > 0) Run(7600);
  }
  GameScreen->PopUpTipBuilder = savedTip;
}

TEST_F(HudTest, ATrophyWaitsWhileARewardDialogIsOpen) {
  GameScreen->UnlockedDialog = std::make_shared<TDialogOK>();
  Cards(28);
  HUD->DriveLengthReset();
  Run(9500);
  EXPECT_EQ(GameScreen->TrophyDialogs[5], 5);
  EXPECT_EQ(GameScreen->Player->SaveData->Trophies[5], 0);
  GameScreen->UnlockedDialog.reset();
}

TEST_F(HudTest, AWildShotDropNeverTakesThePendingValueBelowOne) {
  HUD->Multiplier = HUD->MultiplierGhost = 1.3;
  HUD->MultiplierDrop(0.5f);
  EXPECT_EQ(HUD->MultiplierGhost, 1.0);
  EXPECT_EQ(HUD->BallAnimReverse, 1);
  EXPECT_EQ(GameGrid->MegaBlock, 1);
  Run(400);
  EXPECT_EQ(HUD->Multiplier, 1.0);
  EXPECT_EQ(GameGrid->MegaBlock, 0);
  // A boost during a flight raises the pending value without a second flight.
  HUD->BallAnimReverse = 0;
  HUD->MultiplierBoost(0.3f);
  const float flight = HUD->BallAnimCounter;
  HUD->MultiplierBoost(0.3f);
  EXPECT_EQ(HUD->BallAnimCounter, flight);
  Run(400);
  EXPECT_NEAR(HUD->Multiplier, 1.6, 1e-6);
  HUD->MultiplierBoost(2.0f);
  Run(400);
  EXPECT_EQ(HUD->Multiplier, 3.0);  // capped
}

TEST_F(HudTest, TheTopOfTheHudSlidesInWithTheHoleAndHidesBehindTheEndOfHoleScorecard) {
  EXPECT_EQ(HUD->GetHUDY(), 0);
  GameScreen->IntroAnim = TAnimation::Create(1000, 0, 0, 0);
  GameScreen->IntroAnim->Active = 1;
  GameScreen->IntroAnim->Counter = Game->CalcAnimLength(1000);
  EXPECT_FLOAT_EQ(HUD->GetHUDY(), -135);
  GameScreen->IntroAnim->Counter = Game->CalcAnimLength(800);  // 200 ms in: half way
  EXPECT_NEAR(HUD->GetHUDY(), -67.5, 1e-3);
  GameScreen->IntroAnim->Counter = Game->CalcAnimLength(600);
  EXPECT_EQ(HUD->GetHUDY(), 0);
  GameScreen->IntroAnim->Active = 0;
  auto saved = ScoreCardScreen;
  ScoreCardScreen = std::make_shared<TScoreCardScreen>();
  ScoreCardScreen->Zoom = TAnimation::Create(500, 0, 0, 0);
  ScoreCardScreen->Active = 1;
  ScoreCardScreen->Zoom->Active = 1;  // zooming in at the end of the hole: the HUD slides up with it
  ScoreCardScreen->ZoomIn = 1;
  ScoreCardScreen->Zoom->Counter = Game->CalcAnimLength(500);
  EXPECT_NEAR(HUD->GetHUDY(), -135 * ScoreCardScreen->Zoom->GetRatioInv(), 1e-3);
  ScoreCardScreen->Zoom->Active = 0;
  EXPECT_EQ(HUD->GetHUDY(), -135);
  ScoreCardScreen->MidHole = 1;
  EXPECT_EQ(HUD->GetHUDY(), 0);
  EXPECT_EQ(HUD->GetHUDX(), 0);
  ScoreCardScreen = saved;
}

TEST_F(HudTest, AShakeLastsSeventyFiveTicksAndPutsTheOriginBack) {
  THUD::ShakeScreen(nullptr);
  for (int i = 0; i < 74; ++i) Tick(1.0f);
  EXPECT_GT(HUD->MaxOffset, 0);
  float ox = 0, oy = 0;
  platform::GetOrigin(&ox, &oy);
  EXPECT_LE(std::abs(ox), 3.0f);
  Tick(1.0f);
  EXPECT_EQ(HUD->MaxOffset, 0);
  platform::GetOrigin(&ox, &oy);
  EXPECT_EQ(ox, 0);
  EXPECT_EQ(oy, 0);
}

TEST_F(HudTest, TheHoleCashSignBouncesThreeTimesAndRests) {
  auto sound = std::make_shared<TGameSound>();
  GameGrid->CashSignSound = sound;
  HUD->HoleCashSign = Strip(118, 110, 1);
  for (int detail : {0, 100}) {
    Game->Particles = detail;
    HUD->Init();
    ::Particles->Clear();
    HUD->HoleCashBounce();
    HUD->HoleCashBounce();  // once per hole
    EXPECT_EQ(HUD->HoleCashSignY, -110);
    std::vector<float> volumes;
    int bounces = HUD->HoleCashBounces;
    Run(3000, [&](double) {
      if (HUD->HoleCashBounces != bounces) {
        bounces = HUD->HoleCashBounces;
        volumes.push_back(sound->volume);
      }
    });
    EXPECT_EQ(volumes, (std::vector<float>{1.0f, 0.5f, 0.25f})) << detail;
    EXPECT_EQ(HUD->HoleCashSignY, -20);
    EXPECT_EQ(HUD->HoleCashActive, 1);
    if (detail == 0) {
      EXPECT_EQ(::Particles->Count(), 0);  // no dust, no leaves
    }
  }
}

// ---- Drawing with fixture strips ----

class HudDrawTest : public HudTest {
 protected:
  void SetUp() override {
    HudTest::SetUp();
    std::string error;
    platform::GraphicsOptions options;
    ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    platform::SetBlend(platform::BLEND_ALPHA);
  }
  void TearDown() override {
    platform::GraphicsClose();
    HudTest::TearDown();
  }
  // (red, green) at a pixel: red is the frame drawn, green tells the strips apart.
  std::pair<int, int> At(int x, int y) {
    auto pix = platform::GrabPixmap(x, y, 1, 1);
    const auto p = pix->ReadPixel(0, 0);
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF)};
  }
};

TEST_F(HudDrawTest, TheScoreSignShowsParSignedDigitsAndCentredCash) {
  HUD->ScoreSignFont = Strip(14, 20, 17, 60);  // spacing w - 2 = 12
  HUD->ScoreSignPar = Strip(30, 20, 1, 90);
  GameGrid->HolePar = 3;
  GameGrid->CardsLeft = 3;  // hole score 0
  GameScreen->Player->Score = 1500;
  HUD->ScoreDraw(33, 504);
  EXPECT_EQ(At(35, 506), std::make_pair(0, 90));  // "PAR"
  // cash: five glyphs of 12 centred on 87, the currency sign (frame 10) first
  EXPECT_EQ(At(57 + 1, 553), std::make_pair(10, 60));
  EXPECT_EQ(At(57 + 12 + 1, 553), std::make_pair(1, 60));
  EXPECT_EQ(At(57 + 48 + 1, 553), std::make_pair(0, 60));
  EXPECT_EQ(At(57 - 1, 553).second, 0);  // nothing left of the line
  EXPECT_EQ(At(57 + 60 + 2, 553).second, 0);  // nor right of it (the last glyph is 14 wide)

  platform::Cls();
  GameGrid->CardsLeft = 0;  // -3: frame 14 then "3", both shifted by half the spacing
  GameScreen->Player->Score = -40;  // a damaged profile shows 0
  HUD->ScoreDraw(33, 504);
  EXPECT_EQ(At(33 + 6 + 1, 506), std::make_pair(14, 60));
  EXPECT_EQ(At(33 + 6 + 12 + 1, 506), std::make_pair(3, 60));
  EXPECT_EQ(At(33 + 2, 506).second, 0);
  EXPECT_EQ(At(87 - 12 + 1, 553), std::make_pair(10, 60));
  EXPECT_EQ(At(87 + 1, 553), std::make_pair(0, 60));
}

TEST_F(HudDrawTest, TheHoleMarkerPlacesTwoDigitHolesAndPars) {
  HUD->HoleNumbersBig = Strip(24, 38, 13, 70);
  HUD->ParNumbers = Strip(24, 32, 15, 80);  // spacing for two-digit pars: w - 6 = 18
  HUD->FlagLevel = 14;
  GameGrid->HolePar = 12;
  HUD->LevelDraw(0);
  EXPECT_EQ(At(19 + 2, 12), std::make_pair(1, 70));
  EXPECT_EQ(At(35 + 2, 12), std::make_pair(4, 70));
  EXPECT_EQ(At(79 + 2, 70), std::make_pair(2, 80));       // units where one digit stands
  EXPECT_EQ(At(79 - 18 + 2, 70), std::make_pair(1, 80));  // the tens before it
  platform::Cls();
  HUD->FlagLevel = 9;
  GameGrid->HolePar = 4;
  HUD->LevelDraw(-20);
  EXPECT_EQ(At(35 + 2, 5), std::make_pair(9, 70));  // the marker has slid up by 20
  EXPECT_EQ(At(19 + 2, 5).second, 0);
  EXPECT_EQ(At(79 + 2, 60), std::make_pair(4, 80));
  EXPECT_EQ(At(79 - 18 + 2, 60).second, 0);
}

// Every course name of the staged data, drawn by the game's own font, stays on the hole marker's
// ribbon, 10 pixels in from either edge of the marker's picture: a wide name is drawn smaller.
TEST_F(HudDrawTest, EveryCourseNameStaysOnTheHoleMarker) {
  const std::string prefix = platform::DataPrefix();
  TCourseListOptions options;
  options.DataPrefix = prefix;
  TCourseList courses;
  ASSERT_TRUE(ReadCourseList(options, courses).Ok());
  ASSERT_FALSE(courses.empty());
  auto marker = platform::LoadPixmap(prefix + "Data/graphics/gamescreen/Hole_Marker.png");
  ASSERT_TRUE(marker);
  HUD->HoleMarker = Strip(marker->Width(), marker->Height(), 1);  // LevelDraw reads its size
  const int markerLeft = 5, markerRight = 5 + marker->Width();
  const auto savedFont = LevelNameFont;
  LevelNameFont = TBitmapFont::Create(prefix + "Data/fonts/Voodoo21", -1);
  int smaller = 0;
  for (const auto& course : courses) {
    platform::Cls();
    GameGrid->LevelName = course->Name;
    if (LevelNameFont->StringWidth(course->Name) > HUD->HoleNameRoom()) ++smaller;
    std::printf("W %s %.0f\n", course->Name.c_str(), LevelNameFont->StringWidth(course->Name));
    HUD->LevelDraw(0);
    auto shot = platform::GrabPixmap(0, 0, 400, 140);
    int left = 400, right = -1, top = 140, bottom = -1;
    for (int y = 0; y < 140; ++y) {
      for (int x = 0; x < 400; ++x) {
        if ((shot->ReadPixel(x, y) & 0xFFFFFFu) == 0) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    ASSERT_GE(right, 0) << course->Name << " not drawn";
    EXPECT_GE(left, markerLeft + 10) << course->Name;
    EXPECT_LT(right, markerRight - 10) << course->Name;
    EXPECT_GE(top, 95) << course->Name;  // under the par
    EXPECT_LT(bottom, marker->Height()) << course->Name;
    EXPECT_LE(std::abs((left + right) / 2 - 97), 3) << course->Name << " not centred";
  }
  LevelNameFont = savedFont;
  float sx = 0, sy = 0;
  platform::GetScale(&sx, &sy);
  EXPECT_EQ(sx, 1.0f);  // the scale is put back
  std::printf("%d of %zu course names drawn smaller\n", smaller, courses.size());
}

// The play screen's Menu button (at 45, 441) sits on the score sign: the part of the sign it covers
// is a plain recess, so no label of the sign is hidden under the button.
TEST(ScoreSignPictureTest, TheMenuButtonHidesNothingOfTheSign) {
  const std::string graphics = platform::DataPrefix() + "Data/";
  auto sign = platform::LoadPixmap(graphics + "graphics/gamescreen/Score_Sign.png");
  auto button = platform::LoadPixmap(graphics + "menus/Menu.png");
  ASSERT_TRUE(sign && button);
  const THUD hud;
  const int left = 45 - hud.SCORESIGNX, top = 441 - hud.SCORESIGNY;
  ASSERT_GE(left, 0);
  ASSERT_LE(left + button->Width(), sign->Width());
  int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
  for (int y = top; y < top + button->Height(); ++y) {
    for (int x = left; x < left + button->Width(); ++x) {
      const platform::Argb p = sign->ReadPixel(x, y);
      for (int c = 0; c < 3; ++c) {
        const int v = static_cast<int>((p >> (8 * c)) & 0xFF);
        low[c] = std::min(low[c], v);
        high[c] = std::max(high[c], v);
      }
    }
  }
  for (int c = 0; c < 3; ++c) EXPECT_LE(high[c] - low[c], 24) << "channel " << c;
}

TEST_F(HudDrawTest, TheHoleCashSignShowsTheWinningsNeverBelowZero) {
  HUD->HoleCashSign = Strip(118, 110, 1, 30);
  HUD->ParNumbers = Strip(24, 32, 15, 80);  // w - 6 = 18
  HUD->HoleCashActive = 1;
  HUD->HoleCashSignY = -20;
  GameScreen->Player->LevelScore = -5;
  HUD->HoleCashDraw(0);
  // "0" behind the sign: left = 300 + 59 - (2 * 18 - 2) / 2 - 4 = 338
  EXPECT_EQ(At(338 + 2, 53), std::make_pair(10, 80));
  EXPECT_EQ(At(338 + 17 + 2, 53), std::make_pair(0, 80));
  EXPECT_EQ(At(305, 10), std::make_pair(0, 30));
}

TEST_F(HudDrawTest, IronsStandInTheirSlotsAndGrowAwayFromTheBagsMiddle) {
  for (int k = 0; k < THUD::IRON_COUNT; ++k) {
    const auto i = static_cast<std::size_t>(k);
    HUD->IronImages[i] = Strip(20, 60, 1, 40, k);
    HUD->IronImagesMO[i] = Strip(20, 60, 1, 90, k);
    HUD->IronImagesArea[i] = Strip(20, 60, 1, 60, k);
    HUD->IronData[i] = std::make_shared<TIronData>();
    HUD->IronData[i]->Value = k + 2;
    HUD->Irons_X[i] = 100 + 60 * k;
    HUD->Irons_Y[i] = 300;
  }
  // An empty bag: nothing drawn, nothing to hit.
  HUD->IronsDraw();
  HUD->IronsCollide();
  EXPECT_EQ(At(105, 310).second, 0);
  EXPECT_TRUE(platform::CollideRect(105, 310, 1, 1, 1u, 0u, nullptr).empty());
  auto& irons = GameScreen->Player->Irons;
  irons[3] = irons[7] = 1;
  HUD->IronsScale[1] = 1.25f;  // the 3-iron grows left, the 7-iron right, both 6.5 px up
  HUD->IronsScale[5] = 1.25f;
  HUD->IronsMO = 7;
  HUD->IronsGlow[1] = 50;
  HUD->IronsGlow[5] = 50;
  HUD->IronsGlowLength = 100;
  HUD->IronsDraw();
  // 3-iron: its glow at half strength adds a quarter of its picture (green 40 + 10)
  EXPECT_EQ(At(160 - 5 + 1, 320).second, 50);     // 0.25 x 20 left of its slot
  EXPECT_EQ(At(160 + 20 - 2, 320).second, 50);    // its right edge stays
  EXPECT_EQ(At(160 + 20 + 1, 320).second, 0);
  EXPECT_EQ(At(160 + 2, 300 - 6).second, 50);     // 6.5 px above the slot's top
  EXPECT_EQ(At(400 + 2, 320).second, 90);         // 7-iron under the pointer: its mouse-over picture
  EXPECT_EQ(At(400 + 20 + 3, 320).second, 90);    // grown to the right, without a glow
  EXPECT_EQ(At(400 - 2, 320).second, 0);
  EXPECT_EQ(At(100 + 5, 320).second, 0);          // the 2-iron is not held
  float sx = 0, sy = 0;
  platform::GetScale(&sx, &sy);
  EXPECT_EQ(sx, 1.0f);  // the scale is put back
  HUD->IronsCollide();
  const auto hits = platform::CollideRect(165, 320, 1, 1, 1u, 0u, nullptr);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(static_cast<TIronData*>(hits[0])->Value, 3);
  EXPECT_TRUE(platform::CollideRect(105, 320, 1, 1, 1u, 0u, nullptr).empty());
}

}  // namespace
