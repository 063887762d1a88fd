// The Putting: an arrow sweeps on the ball at the green's left end; one putt rolls off the
// cushions, is pulled in near the hole and wins 250 to 750 by course when it drops.

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
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/text_draw.h"
#include "wildshot/ball_motion.h"

namespace {

bool OwnsPuttingItem() {
  return GameScreen && GameScreen->Player && GameScreen->Player->SaveData &&
         GameScreen->Player->SaveData->AvatarItems[4] != 0;
}

void Remark(const char* category, const char* file) {
  if (!GameScreen) return;
  GameScreen->SpeechLoad(category, file);
  GameScreen->SpeechPlay("");
}

}  // namespace

TPuttBall TWildshotScreen::PuttState() const {
  TPuttBall ball;
  ball.x = BallX;
  ball.y = BallY;
  ball.xs = BallXSpeed;
  ball.ys = BallYSpeed;
  ball.speed = BallSpeed;
  ball.shotSpeed = BallSpeedOriginal;
  ball.friction = Friction;
  ball.radius = BallRadius;
  ball.holeX = HoleX;
  ball.holeY = HoleY;
  ball.holeRadius = HoleRadius;
  ball.left = MapOffsetX;
  ball.top = MapOffsetY;
  ball.right = MinigameW - MapOffsetX;
  ball.bottom = MinigameH - MapOffsetY;
  return ball;
}

int TWildshotScreen::LoadPutting() {
  LoadShootButton();
  LoadMinigameOKButton();
  const std::string folder = Game->ImagePath + "Wildshots/minigames/Putting/";
  MinigameBG = TGameImage::Create(folder + "bg.png", -1, 0);
  Arrow = TGameImage::Create(folder + "arrow.png", -1, 0);
  if (Arrow && Arrow->image) Arrow->image->SetHandle(static_cast<float>(ArrowRotateX), static_cast<float>(ArrowRotateY));
  Ball = TGameImage::Create(folder + "ball.png", -1, 1);
  Hole = TGameImage::Create(folder + "hole.png", -1, 1);
  Block = TGameImage::Create(folder + "block.png", -1, 0);

  Instructions = InstructionLines("Minigame Putting Instructions", 0);
  AvatarText = TextOf("Arrow");
  AvatarText2 = TextOf("Slowed");
  WinningsText = TextOf("Minigame Winnings");

  const float r = GetCourseRatio();
  BallX = 45.0;
  BallY = MinigameH / 2;
  HoleX = PuttHoleX(r, MinigameW, MapOffsetX, HoleRadius);
  const int spread = PuttHoleSpread(r, MinigameH, MapOffsetY, HoleRadius);
  HoleY = MinigameH / 2 + Rng().Rand(-spread, spread);
  BallSpeed = PuttShotSpeed(r);
  BallSpeedOriginal = BallSpeed;
  ArrowSpeed = 1.0f;
  if (OwnsPuttingItem()) ArrowSpeed *= 0.55f;
  Friction = static_cast<double>(0.01f);
  BallBounceSound = sounds ? sounds->Find("mini_woodbounce") : nullptr;
  InHole = 0;
  ArrowAngle = AngleMin;
  IdleCounter = 0;
  IdleIterations = 0;
  IdlePlayed = 0;
  Prize = 0;
  return 0;
}

int TWildshotScreen::MinigamePuttingBounceSound() {
  const double share = BallSpeedOriginal > 0 ? BallSpeed / BallSpeedOriginal : 0.0;
  PlayField(BallBounceSound, static_cast<float>(share));
  return 0;
}

int TWildshotScreen::MinigamePutting() {
  if (MinigamePhase == MINIGAME_PHASE_AIMING) {
    SwingArrow(ArrowAngle, ArrowSpeed, AngleMin, AngleMax, Delta);
    if (!IdlePlayed) {
      IdleCounter += Delta;
      if (IdleCounter >= Game->CalcAnimLength(1000)) {
        ++IdleIterations;
        IdleCounter = 0;
        if (IdleIterations >= 3) {
          Remark("putt idle", "wildshot/wildevent26a");
          if (GameScreen && GameScreen->AnnouncerSound) IdlePlayed = 1;
        }
      }
    }
    auto shoot = MinigameMenu ? MinigameMenu->FindButton("Shoot") : nullptr;
    if (shoot && shoot->Clicked) {
      MinigamePhase = MINIGAME_PHASE_RUNNING;
      TPuttBall ball = PuttState();
      PuttStrike(ball, ArrowAngle);
      BallXSpeed = ball.xs;
      BallYSpeed = ball.ys;
      PlayField(BallHitSound, 1.0f);
    }
    return 0;
  }
  if (MinigamePhase != MINIGAME_PHASE_RUNNING) return 0;
  if (!MinigameFadeOut->Active) {
    TPuttBall ball = PuttState();
    const TPuttStep step = PuttTick(ball, Delta);
    BallX = ball.x;
    BallY = ball.y;
    BallXSpeed = ball.xs;
    BallYSpeed = ball.ys;
    BallSpeed = ball.speed;
    for (int i = 0; i < step.bounces && i < 4; ++i) MinigamePuttingBounceSound();
    if (step.holed) {
      InHole = 1;
      Remark("putt in", "wildshot/wildevent26b");
      PlayField(BallInHoleSound, 1.0f);
      MinigameFadeOut->Start();
      MinigameGood = 1;
    } else if (step.stopped) {
      Remark("putt miss", "wildshot/wildevent26c");
      MinigameFadeOut->Start();
    }
  }
  if (MinigameFadeOut->Manage() == 1) {
    MinigamePhase = MINIGAME_PHASE_RESULT;
    ResultFadeIn->Start();
    if (InHole) {
      Prize = PuttPrize(GetCourseRatio());
      ResultText = TextOf("Minigame Won");
    } else {
      Prize = 0;
      ResultText = TextOf("Minigame Lost");
    }
    SpecialValue = Prize;
    ShowResultButtons();
  }
  return 0;
}

int TWildshotScreen::DrawPutting(float alpha) {
  platform::SetAlpha(alpha);
  const float px = static_cast<float>(MinigameX);
  const float py = static_cast<float>(MinigameY) + TopY;
  if (MinigameBG && MinigameBG->image) platform::DrawImage(MinigameBG->image, px, py, 0);
  if (Hole && Hole->image) platform::DrawImage(Hole->image, px + static_cast<float>(HoleX), py + static_cast<float>(HoleY), 0);
  if (MinigamePhase == MINIGAME_PHASE_AIMING && OwnsPuttingItem() && HintFont) {
    platform::SetColor(255, 255, 204);
    ccShadowTextSet(2, 2, 0.6f);
    HintFont->DrawAlignedWithShadow(AvatarText, px + BallX, py + BallY + 12, 1, 1, 0);
    HintFont->DrawAlignedWithShadow(AvatarText2, px + BallX, py + BallY + 27, 1, 1, 0);
    platform::SetColor(255, 255, 255);
  }
  if (MinigamePhase == MINIGAME_PHASE_AIMING && Arrow && Arrow->image) {
    platform::SetRotation(static_cast<float>(ArrowAngle));
    platform::DrawImage(Arrow->image, px + static_cast<float>(BallX), py + static_cast<float>(BallY), 0);
    platform::SetRotation(0);
  }
  if (!InHole && Ball && Ball->image)
    platform::DrawImage(Ball->image, px + static_cast<float>(BallX), py + static_cast<float>(BallY), 0);
  DrawResultHead(static_cast<int>(TopY + 272 - 16));
  if (MinigamePhase == MINIGAME_PHASE_RESULT) {
    MinigameDrawResult(WinningsLine(),
                       static_cast<int>(TopY + 272 - 16) + 50);
    ccTextAlpha = 1.0f;
  }
  return 0;
}
