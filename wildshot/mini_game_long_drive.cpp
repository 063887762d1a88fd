// The Long Drive: an arrow swings over the gauge, one shot drives the ball over a random landscape
// past signs every 50 yards, and a drive past the target wins its length in cash.

#include "wildshot/wildshot_screen.h"

#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/graphics.h"
#include "progress/career_stats.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "progress/stat.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "wildshot/ball_motion.h"

namespace {

std::shared_ptr<TSaveData> PlayerSave() {
  if (!GameScreen || !GameScreen->Player) return nullptr;
  return GameScreen->Player->SaveData;
}

bool OwnsItem(int item) {
  auto save = PlayerSave();
  return save && save->AvatarItems[static_cast<std::size_t>(item)] != 0;
}

std::shared_ptr<TStat> LongestDriveStat() {
  auto save = PlayerSave();
  return save && save->CareerStats ? save->CareerStats->MiniGameLongestDrive : nullptr;
}

// The landscape's own rolls: cosmetic, so a different sky never changes a deal.
int Roll(int lo, int hi) { return EffectsRandom.Rand(lo, hi); }

}  // namespace

int TWildshotScreen::LoadLongDrive() {
  LoadShootButton();
  if (auto shoot = MinigameMenu->FindButton("shoot")) shoot->SoundClick.reset();
  LoadMinigameOKButton();

  const std::string folder = Game->ImagePath + "Wildshots/minigames/LongDrive/";
  const auto load = [&](const std::string& file, int mid) { return TGameImage::Create(folder + file, -1, mid); };
  MinigameBG = load("bg.png", 0);
  Line = load("line.png", 0);
  for (int n = 1; n <= MAX_CLOUDS; ++n) Clouds[static_cast<std::size_t>(n - 1)] = load("cloud" + std::to_string(n) + ".png", 0);
  for (int n = 1; n <= MAX_TREES; ++n) Trees[static_cast<std::size_t>(n - 1)] = load("tree" + std::to_string(n) + ".png", 0);

  Target = DriveTarget(GetCourseRatio());
  const int h = MinigameBG ? MinigameBG->h : MinigameH;
  BallX = MinigameBorderX + BallXOffset;
  BallY = h - MinigameBorderY - BallYOffset;
  GroundY = static_cast<int>(BallY);

  const int half = Line ? Line->w / 2 : 0;
  for (int i = 1; i <= MAX_MARKERS; ++i) {
    auto& marker = Markers[static_cast<std::size_t>(i - 1)];
    marker = load(std::to_string(50 * i) + ".png", 0);
    const double c = MinigameX + BallX + i * MarkerGap;
    auto& sign = ScenerySigns[static_cast<std::size_t>(2 * i - 2)];
    sign.image = marker;
    sign.X = static_cast<float>(c - 39 - half);
    sign.Y = static_cast<float>(MinigameY + h - 130);
    auto& line = ScenerySigns[static_cast<std::size_t>(2 * i - 1)];
    line.image = Line;
    line.X = static_cast<float>(c - half);
    line.Y = static_cast<float>(MinigameY + h - 95);
  }
  Gauge = load("gauge.png", 0);
  Arrow = load("arrow.png", 0);
  if (Arrow && Arrow->image) Arrow->image->SetHandle(static_cast<float>(ArrowRotateX), static_cast<float>(ArrowRotateY));
  Ball = load("ball.png", 1);
  Shadow = load("Shadow.png", 1);

  // A row of the landscape: left edges from 50 px left of the panel to 3,000 px right of it, kept
  // `gap` pixels apart from the row's earlier items when gap is above 0.
  const auto row = [&](auto& items, int count, auto pick, int top_lo, int top_hi, bool bottom, int gap) {
    for (int k = 0; k < count; ++k) {
      TScenery& item = items[static_cast<std::size_t>(k)];
      item.image = pick();
      int x = MinigameX + Roll(-50, 3000);
      for (int tries = 0; gap > 0 && tries < 1000; ++tries) {
        bool clash = false;
        for (int p = 0; p < k && !clash; ++p) {
          const int px = static_cast<int>(items[static_cast<std::size_t>(p)].X);
          clash = px - gap < x && x < px + gap;
        }
        if (!clash) break;
        x = MinigameX + Roll(-50, 3000);
      }
      item.X = static_cast<float>(x);
      const int y = MinigameY + Roll(top_lo, top_hi);
      item.Y = static_cast<float>(bottom && item.image ? y - item.image->h : y);
    }
  };
  row(Scenery1, MAX_SCENERY1, [&] { return Clouds[static_cast<std::size_t>(Roll(0, 1))]; }, -128, h - 250, false, 0);
  row(Scenery2, MAX_SCENERY2, [&] { return Trees[0]; }, h - 120, h - 110, true, 30);
  row(Scenery3, MAX_SCENERY3, [&] { return Trees[static_cast<std::size_t>(Roll(2, 3))]; }, h - 110, h - 90, true, 0);
  row(Scenery4, MAX_SCENERY4, [&] { return Trees[1]; }, h - 100, h - 80, true, 50);

  Instructions = InstructionLines("Minigame Long Drive Instructions", Target);
  AvatarText = TextOf("Arrow Slowed");
  DistanceText = TextOf("Minigame Distance");
  WinningsText = TextOf("Minigame Winnings");
  LongDriveTextA = TextOf("Minigame Long Drive A");
  LongDriveTextB = TextOf("Minigame Long Drive B");

  Friction = static_cast<double>(0.03f);
  BallSpeed = static_cast<double>(5.2f);
  ArrowSpeed = 2.0f;
  if (OwnsItem(1)) ArrowSpeed *= 0.55f;

  const auto sound = [](const char* name) { return sounds ? sounds->Find(name) : nullptr; };
  BallBounceSound = sound("ball_bounce");
  TinyDriveSound = sound("mini_tinydrive");
  SmallDriveSound = sound("mini_smalldrive");
  MedDriveSound = sound("mini_meddrive");
  BigDriveSound = sound("mini_bigdrive");
  PerfectDriveSound = sound("mini_perfectdrive");

  ScrollX = 0;
  ScrollY = h - MinigameH;
  ArrowAngle = 0;
  Distance = 0;
  Prize = 0;
  return 0;
}

int TWildshotScreen::MinigameLongDrive() {
  auto shoot = MinigameMenu ? MinigameMenu->FindButton("shoot") : nullptr;
  if (MinigamePhase == MINIGAME_PHASE_AIMING) {
    SwingArrow(ArrowAngle, ArrowSpeed, 0, 90, Delta);
    if (shoot && shoot->Clicked) {
      MinigamePhase = MINIGAME_PHASE_RUNNING;
      TDriveBall ball;
      ball.speed = BallSpeed;
      DriveLaunch(ball, ArrowAngle);
      BallXSpeed = ball.xs;
      BallYSpeed = ball.ys;
      const std::shared_ptr<TGameSound> by_class[] = {TinyDriveSound, SmallDriveSound, MedDriveSound,
                                                      BigDriveSound, PerfectDriveSound};
      const int kind = DriveSoundClass(ArrowAngle);
      PlayField(by_class[kind], 1.0f);
      if (kind == 1 && GameScreen) {
        GameScreen->SpeechLoad("mini game long drive", "wildshot/wildevent25b");
        GameScreen->SpeechPlay("");
      }
    }
    return 0;
  }
  if (MinigamePhase != MINIGAME_PHASE_RUNNING) return 0;

  const int h = MinigameBG ? MinigameBG->h : MinigameH;
  if (!MinigameFadeOut->Active) {
    TDriveBall ball;
    ball.x = BallX;
    ball.y = BallY;
    ball.xs = BallXSpeed;
    ball.ys = BallYSpeed;
    ball.groundY = GroundY;
    ball.speed = BallSpeed;
    ball.friction = Friction;
    ball.gravity = Gravity;
    ball.bounceX = BounceXRatio;
    ball.bounceY = BounceYRatio;
    const TDriveStep step = DriveTick(ball, Delta);
    BallX = ball.x;
    BallY = ball.y;
    BallXSpeed = ball.xs;
    BallYSpeed = ball.ys;
    if (step.bounceVolume >= 0) PlayField(BallBounceSound, static_cast<float>(step.bounceVolume));
    if (step.stopped) {
      MinigameFadeOut->Start();
      Distance = DriveDistance(BallX, MinigameBorderX + BallXOffset, MarkerGap);
      if (Distance > static_cast<float>(Target) && GameScreen) {
        GameScreen->SpeechLoad("mini game long drive", "wildshot/wildevent25a");
        GameScreen->SpeechPlay("");
      }
    }
    if (BallX > MinigameW / 2) ScrollX = BallX - MinigameW / 2;
    if (BallY < h - MinigameH / 2) ScrollY = BallY - MinigameH / 2;
  }
  if (MinigameFadeOut->Manage() == 1) {
    MinigamePhase = MINIGAME_PHASE_RESULT;
    ResultFadeIn->Start();
    Distance = DriveDistance(BallX, MinigameBorderX + BallXOffset, MarkerGap);
    Prize = DrivePrize(Distance, Target);
    if (Prize > 0) {
      ResultText = TextOf("Minigame Won");
      MinigameGood = 1;
    } else {
      ResultText = TextOf("Minigame Lost");
    }
    SpecialValue = Prize;
    if (auto stat = LongestDriveStat()) stat->IsGreaterFloat(Distance);
    ShowResultButtons();
  }
  return 0;
}

int TWildshotScreen::DrawSceneryItem(const TScenery& item) {
  if (!item.image || !item.image->image) return 0;
  ccClipImageToViewport(item.image->image, static_cast<float>(item.X - ScrollX),
                        static_cast<float>(item.Y - ScrollY), static_cast<float>(MinigameX),
                        static_cast<float>(MinigameY), static_cast<float>(MinigameW),
                        static_cast<float>(MinigameH), 0, static_cast<int>(TopY));
  return 0;
}

int TWildshotScreen::DrawLongDrive(float alpha) {
  platform::SetAlpha(alpha);
  const int h = MinigameBG ? MinigameBG->h : MinigameH;
  const auto clipped = [&](const std::shared_ptr<TGameImage>& image, double x, double y) {
    if (!image || !image->image) return;
    ccClipImageToViewport(image->image, static_cast<float>(x), static_cast<float>(y),
                          static_cast<float>(MinigameX), static_cast<float>(MinigameY),
                          static_cast<float>(MinigameW), static_cast<float>(MinigameH), 0,
                          static_cast<int>(TopY));
  };
  if (MinigameBG && MinigameBG->image)
    ccDrawImageArea(MinigameBG->image, static_cast<float>(MinigameX), MinigameY + TopY, 0,
                    static_cast<float>(ScrollY), static_cast<float>(MinigameW),
                    static_cast<float>(MinigameH), 0);
  for (const auto& item : Scenery1) DrawSceneryItem(item);
  for (const auto& item : Scenery2) DrawSceneryItem(item);
  for (const auto& item : Scenery3) DrawSceneryItem(item);
  for (const auto& item : Scenery4) DrawSceneryItem(item);
  for (const auto& item : ScenerySigns) DrawSceneryItem(item);

  int gx = static_cast<int>(MinigameX + MinigameBorderX - ScrollX);
  int gy = static_cast<int>(MinigameY + h - MinigameBorderY - ScrollY + 1);
  if (Gauge) clipped(Gauge, gx, gy - Gauge->h);
  gx += 11;
  gy -= 10;
  if (MinigamePhase == MINIGAME_PHASE_AIMING && Arrow && Arrow->image) {
    platform::SetRotation(static_cast<float>(ArrowAngle));
    platform::DrawImage(Arrow->image, static_cast<float>(gx - 1), gy + TopY, 0);
    platform::SetRotation(0);
  }
  clipped(Shadow, MinigameX + BallX - ScrollX, MinigameY + GroundY - ScrollY + BallRadius + 1);
  if (Ball && Ball->image)
    platform::DrawImage(Ball->image, static_cast<float>(MinigameX + BallX - ScrollX),
                        static_cast<float>(MinigameY + BallY - ScrollY + TopY), 0);
  if (MinigamePhase == MINIGAME_PHASE_AIMING && OwnsItem(1) && HintFont) {
    platform::SetColor(255, 255, 204);
    ccShadowTextSet(2, 2, 0.6f);
    HintFont->DrawAlignedWithShadow(AvatarText, gx - 8, gy + 16 + TopY, 0, 0, 0);
    platform::SetColor(255, 255, 255);
  }
  const float a = DrawResultHead(static_cast<int>(TopY + 241));
  if (MinigamePhase == MINIGAME_PHASE_RESULT) {
    int y = static_cast<int>(TopY + 241) + 50;
    const std::string unit = Game->Region == 0 ? "yds" : "m";
    const std::string s = ccRoundFloatToString(Distance, 2) + unit;
    MinigameDrawResult(DistanceLine(), y);
    y += 30;
    MinigameDrawResult(WinningsLine(), y);
    y += 70;
    if (auto stat = LongestDriveStat()) {
      stat->DataType = 5;
      const std::string r = stat->FormatValue();
      if (r == s) {
        platform::SetColor(137, 255, 69);
        MinigameDrawResult(LongDriveTextA + ": " + r, y);
      } else {
        platform::SetColor(255, 255, 255);
        MinigameDrawResult(LongDriveTextB + ": " + r, y);
      }
    }
    platform::SetColor(255, 255, 255);
    ccTextAlpha = 1.0f;
    (void)a;
  }
  return 0;
}

float TWildshotScreen::DrawResultHead(int headline_y) {
  float d = 1.0f;
  if (MinigameFadeOut && MinigameFadeOut->Active) {
    d = MinigameFadeOut->GetRatioInv();
    DimPanel(MinigameDim * d);
  }
  if (MinigamePhase != MINIGAME_PHASE_RESULT) return 0.0f;
  DimPanel(MinigameDim * d);
  const float a = ResultFadeIn && ResultFadeIn->Active ? ResultFadeIn->GetRatioInv() : 1.0f;
  platform::SetAlpha(a);
  if (ExclamationFont) ExclamationFont->DrawAligned(ResultText, ScreenWidth / 2, headline_y, 1, 1, 0, 0);
  ccShadowTextSet(2, 2, 0.6f);
  ccTextAlpha = a;
  return a;
}
