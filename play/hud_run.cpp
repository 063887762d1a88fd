// The run of cards, the long drive and the multiplier; the long-drive ball, the run readout and the
// 5x celebration.

#include <algorithm>

#include "cards/card.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/token_generator_list.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sine_counter.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/hud_rules.h"
#include "play/play_effects.h"
#include "play/play_support.h"
#include "content/course.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "screens/game_dialogs.h"
#include "progress/stat.h"
#include "progress/progress_rules.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/maths.h"
#include "util/strings.h"
#include "util/text_draw.h"

using play_support::DrawFrame;
using play_support::PlaySound;
using play_support::Ticks;

namespace {

std::shared_ptr<TButton> MenuButton(const std::string& name) {
  if (!GameScreen || !GameScreen->Menu) return nullptr;
  return GameScreen->Menu->FindButton(name);
}

}  // namespace

// ---- The run ----

int THUD::DriveLengthChange(int n) {
  if (FiveXReached) return 0;
  const int old = DriveLength;
  DriveLength += n;
  if (DriveLength < 6) return 0;
  int result = 0;
  if (old <= 5) {
    result = 1;
    if (ScoreParticles) {
      auto text = ScoreParticles->AddNew(ScreenWidth / 2, ScreenHeight / 2 - 135,
                                         play_support::Picture(play_support::ScreenPicture::LongDrive), 0,
                                         0.1f, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
      FadeCurrentTextParticle();
      FadeFloatingText(text);
    }
    if (GameScreen) {
      GameScreen->EndDriveButtonShow();
      GameScreen->SpeechLoad("long drive start",
                             "longdrive/longdrive" + std::to_string(EffectsRandom.Rand(1, 5)));
      GameScreen->SpeechPlay("");
    }
    PlayCheer(1, 3);
    FiveXBonus = 0;
    FirstLongDrive();
  }
  LongDrive = 1;
  if (DriveLength >= 7 && GameGrid && GameGrid->LongDriveTone) {
    GameGrid->LongDriveTone->pitch = ccGetMusicalNoteInScaleC(std::min(DriveLength, 21) - 7);
    PlaySound(GameGrid->LongDriveTone, 1.0f);
  }
  LastMultiplierGhost = MultiplierGhost;
  MultiplierGhost = hud_rules::PendingMultiplier(Multiplier, DriveLength);
  if (old < DriveLength) {
    FiveXBonus += 1;
    if (TokenGeneratorList)
      TokenGeneratorList->Add(LONGRUNX + 183, LONGRUNY + 115, HOLECASHX, HOLECASHY, 1, FiveXBonus, 0, 300,
                              0, 1, 0);
  }
  MultiplierGhost = hud_rules::CapMultiplier(MultiplierGhost);
  return result;
}

int THUD::FirstLongDrive() {
  if (!GameGrid || !GameScreen || GameGrid->LevelName != "The Vuva Rivudar") return 0;
  if (GameScreen->LongDrivePopUps >= 1) return 0;
  GameScreen->LongDrivePopUps += 1;
  GameScreen->TipsKeep();
  const std::string text = GameText ? GameText->FindString("Tip - Long Drive") : std::string();
  GameScreen->PopUpTipDialog =
      GameScreen->PopUpTipBuilder ? GameScreen->PopUpTipBuilder(text) : MakePopUpTipDialog(text);
  GameScreen->PopUpTipType = 3;
  return 0;
}

int THUD::DriveLengthReset() {
  if (DriveLength >= 6) {
    LongDriveAnimStart();
  } else {
    LastDriveLength = DriveLength;
    LongDrive = 0;
  }
  DriveLength = 0;
  return 0;
}

int THUD::LongDriveAnimStart() {
  LongDriveButtonMakeParticles();
  if (GameGrid) PlaySound(GameGrid->LongDriveWhooshSound, 1.0f);
  LastMultiplier = Multiplier;
  LastDriveLength = DriveLength;
  if (auto* p = CurrentPlayer(); p && p->SaveData) {
    auto& save = *p->SaveData;
    if (DriveLength > save.HoleLongestDrive) {
      save.HoleLongestDrive = DriveLength;
      if (save.CareerStats && save.CareerStats->LongestDrive) save.CareerStats->LongestDrive->IsGreater(DriveLength);
    }
    // The hole number indexes the course's per-hole counts: only holes 1..18 have one.
    if (FlagLevel >= 1 && FlagLevel <= static_cast<int>(save.CourseLongDrives.size()))
      save.CourseLongDrives[static_cast<std::size_t>(FlagLevel - 1)] += 1;
  }
  MultiplierAnimLength = static_cast<int>(
      Ticks(LD_SWINGBACK_TIME * DriveLength + LD_PARTICLE_TIME + LD_SWINGTHROUGH_TIME));
  MultiplierAnimCounter = static_cast<float>(MultiplierAnimLength);
  SwishNoisePlayed = 0;
  if (GameScreen) {
    if (DriveLength >= 16) {
      GameScreen->SpeechLoad("long drive hit", "longdrive/drivehit" + std::to_string(EffectsRandom.Rand(1, 5)));
      GameScreen->SpeechPlay("");
    } else if (DriveLength >= 11) {
      GameScreen->SpeechLoad("long drive hit", "longdrive/drivehit" + std::to_string(EffectsRandom.Rand(1, 4)));
      GameScreen->SpeechPlay("");
    }
  }
  return 0;
}

int THUD::BallAnimFinish(int flag) {
  BallAnimCounter = 0;
  Multiplier = MultiplierGhost;
  if (FiveXReached == 0 && Multiplier + Margin >= hud_rules::MULTIPLIER_TOP && flag == 0)
    FiveXAnimStart();
  else
    LongDriveAnimFinish();
  return 0;
}

int THUD::LongDriveAnimFinish() {
  if (GameGrid) GameGrid->MegaBlock = 0;
  if (BallAnimReverse) return 0;
  if (auto b = MenuButton("EndDrive")) {
    b->Active = 0;
    b->Disabled = 1;
  }
  if (NextStockCard) {
    if (GameGrid) GameGrid->StockCardClicked(NextStockCard);
    NextStockCard.reset();
    NextStockCardWasNull = 0;
  } else {
    NextStockCardWasNull = 1;
    if (GenuineDrive) {
      if (auto b = MenuButton("end_hole")) b->Disabled = 0;
      auto* p = CurrentPlayer();
      if (GameScreen && p && p->Perfect == 0) GameScreen->MulliganDisable(0);
    }
  }
  IronSoundPlayed = 0;
  LongDriveUnlockCourse();
  return 0;
}

int THUD::LongDriveUnlockCourse() {
  CourseUnlock(UNLOCK_DRIVE, LastDriveLength, 1);
  auto* p = CurrentPlayer();
  if (!p || !p->SaveData || !GameScreen) return 0;
  if (p->SaveData->Trophies[5] == 0 && LastDriveLength > 27) {
    GameScreen->TrophyDialogs[5] = 5;
    if (!GameScreen->UnlockedDialog) AwardTrophy(5);
  }
  return 0;
}

int THUD::MultiplierBoost(float amount) {
  MultiplierGhost = hud_rules::CapMultiplier(MultiplierGhost + amount);
  NextStockCard.reset();
  GenuineDrive = 0;
  LastMultiplier = Multiplier;
  BallAnimStart(0.0f);
  if (GameGrid) {
    GameGrid->MegaBlock = 1;
    GameGrid->BlockInputSet();
  }
  if (GameScreen) GameScreen->EndHoleEnable(0);
  DriveEnded = 0;
  return 0;
}

int THUD::MultiplierDrop(float amount) {
  MultiplierGhost -= amount;
  if (MultiplierGhost < 1.0) MultiplierGhost = 1.0;
  LastMultiplier = Multiplier;
  BallAnimStartReverse();
  if (GameGrid) {
    GameGrid->MegaBlock = 1;
    GameGrid->BlockInputSet();
  }
  if (GameScreen) GameScreen->EndHoleEnable(0);
  return 0;
}

float THUD::GetDistanceRatio(int length) const { return hud_rules::DistanceRatio(length); }

int THUD::GetMultiplierStrings(double x, std::string& whole, std::string& frac) const {
  hud_rules::MultiplierStrings(x, PlayerOwnsItem(7), whole, frac);
  return 0;
}

// ---- Ball and celebration ----

int THUD::BallAnimStart(float ratio) {
  if (BallAnimCounter != 0) return 0;
  BallAnimReverse = 0;
  BallAnimLength = static_cast<int>(Ticks(LD_BALL_TIME));
  BallAnimCounter = static_cast<float>(BallAnimLength);
  if (GameGrid) {
    PlaySound(GameGrid->RunEndSound, 1.0f);
    if (ratio > 0)
      PlaySound(GameGrid->DriveStrike[static_cast<std::size_t>(hud_rules::StrikeSound(ratio) - 1)], 1.0f);
  }
  if (ratio > 0 && BackgroundParticles) {
    if (auto whack = play_support::Picture(play_support::ScreenPicture::Whack)) {
      auto p = BackgroundParticles->AddNew(LONGRUNX + 37, LONGRUNY + 60, whack, 0, 0, 0, 0, 0, 0, 0,
                                           0.5f + ratio / 2.0f, 0.02f, 0, 0);
      p->SetFade(0, 100, 50);
    }
  }
  BallGlowLength = static_cast<int>(Ticks(400));
  BallGlowCounter = static_cast<float>(BallGlowLength);
  return 0;
}

int THUD::BallAnimStartReverse() {
  BallAnimLength = static_cast<int>(Ticks(LD_BALL_TIME));
  BallAnimCounter = static_cast<float>(BallAnimLength);
  if (GameGrid) PlaySound(GameGrid->RunEndReverseSound, 1.0f);
  BallAnimReverse = 1;
  BallGlowLength = static_cast<int>(Ticks(400));
  BallGlowCounter = static_cast<float>(BallGlowLength);
  return 0;
}

namespace {

// One phase of a label flying in: from its start to (tx, ty) over `ms`, growing to full size and
// turning twice, faded in over `fadeInMs`; `shake` shakes the screen as it lands.
void FlyIn(TParticle& p, int ms, float tx, float ty, float fromScale, int fadeInMs, int turns, bool shake) {
  const float t = Ticks(ms);
  auto phase = p.AddPhase(ms);
  phase->dx = (tx - p.x) / t;
  phase->dy = (ty - p.y) / t;
  phase->FadeInMS = static_cast<float>(fadeInMs);
  phase->DoScale = 1;
  phase->ScaleSpeed = (1.0f - fromScale) / t;
  if (turns != 0) {
    phase->DoRotate = 1;
    phase->RotationSpeed = 360.0f * turns / t;
  }
  if (shake) phase->UserFunction = [](TParticle& q) { return THUD::ShakeScreen(&q); };
}

// Held in place at full size and upright, then drifting up while it fades.
void HoldAndFade(TParticle& p, int holdMs, float x, float y) {
  auto hold = p.AddPhase(holdMs);
  hold->SetCoords = 1;
  hold->SetX = x;
  hold->SetY = y;
  hold->Scale = 1.0f;
  hold->Alpha = 1;
  hold->SetAngle = 1;
  hold->Angle = 0;
  auto fade = p.AddPhase(700);
  fade->dy = -0.1f;
  fade->FadeMS = 700;
}

// The digit, the X and the word "multiplier" letter by letter; all gone 8156 ms after the start.
void FiveXLabels() {
  if (!ScoreParticles) return;
  using play_support::Picture;
  using play_support::ScreenPicture;
  auto five = ScoreParticles->AddNew(752, 21, Picture(ScreenPicture::Five), 0, 0, 0, 0, 0, 0, 0, 0.0f, 0, 0, 0);
  FlyIn(*five, 1114, 290, 200, 0.0f, 300, 2, true);
  HoldAndFade(*five, 3000 + 3 * 1114, 290, 200);
  five->StartPhases();

  auto x = ScoreParticles->AddNew(765, 21, Picture(ScreenPicture::X), 0, 0, 0, 0, 0, 0, 0, 0.0f, 0, 0, 0);
  x->AddPhase(1114)->Hidden = 1;
  FlyIn(*x, 1114, 480, 200, 0.0f, 300, 2, true);
  HoldAndFade(*x, 3000 + 2 * 1114, 480, 200);
  x->StartPhases();

  static constexpr int kOffsets[11] = {0, 44, 80, 110, 140, 170, 206, 233, 262, 299, 330};
  const auto word = Picture(ScreenPicture::Multiplier);
  for (int i = 0; i < 11; ++i) {
    const int o = kOffsets[i] - 165;
    auto letter = ScoreParticles->AddNew(ScreenWidth / 2 + 2 * o, 600, word, 0, 0, 0, 0, 0, 0, 0, 2.0f, 0, 0, 0);
    letter->ImageFrame = i;
    letter->NoOutOfBounds = 1;
    letter->AddPhase(2228 + 207 * i)->Hidden = 1;
    FlyIn(*letter, 300, static_cast<float>(ScreenWidth / 2 + o), 375, 2.0f, 100, 0, i == 10);
    HoldAndFade(*letter, 4928 - 207 * i, static_cast<float>(ScreenWidth / 2 + o), 375);
    letter->StartPhases();
  }
}

}  // namespace

int THUD::FiveXAnimStart() {
  FiveXReached = 1;
  FiveXLabels();
  if (auto* p = CurrentPlayer(); p && p->SaveData && p->SaveData->CareerStats && p->SaveData->CareerStats->Total5x)
    p->SaveData->CareerStats->Total5x->Increase(1);
  PlayCheer(4, 6);
  if (Game && Game->Music && GameGrid && GameGrid->FiveXMusic && GameGrid->Channels) {
    auto ch = GameGrid->Channels->PlayGameSound(GameGrid->FiveXMusic, nullptr, 0.8f, 0.0f);
    if (ch) Game->SpecialChannel = ch->Channel;
  }
  for (int i = 0; i < 6; ++i) MakeFirework();
  if (GameGrid && GameGrid->FireworkSound) {
    GameGrid->FireworkSound->pitch = 0.8f;
    PlaySound(GameGrid->FireworkSound, 1.0f);
  }
  play_support::PlayBankSound("FireworksLong", 1.2f);
  FiveXAnimCounter = Ticks(7500);
  return 0;
}

// ---- Readout, club and ball ----

int THUD::DriveLengthDraw(float x, float y) {
  DrawFrame(FlagMultiplierLabel, x + 170, y - 52);
  if (FiveXReached) {
    DrawFrame(FiveXMultiplierLabelGlow, x - 51, y - 2);
    DrawFrame(FiveXMultiplierLabel, x - 51, y - 2);
  } else if (DriveLength >= 6 && LongDriveLabel && LongDriveFont) {
    const std::string digits = std::to_string(DriveLength);
    float ox = x - 44, oy = y - 11;
    const int w = LongDriveLabel->w - 9;
    int s = LongDriveFont->w - 11;
    if (digits[0] == '1') s -= 3;
    if (digits.size() == 2) ox -= static_cast<float>(s / 2);
    const float glow = (GameGrid && GameGrid->glow) ? GameGrid->glow->ratio : 0.0f;
    platform::SetAlpha(0.5f + 0.5f * glow);
    DrawFrame(LongDriveLabelGlow, ox, oy);
    if (LongDriveFontGlow)
      ccDrawNumbers(digits, ox + w, oy + 2, LongDriveFontGlow->image, static_cast<float>(s), 0, 1);
    platform::SetAlpha(1.0f);
    DrawFrame(LongDriveLabel, ox, oy);
    ccDrawNumbers(digits, ox + w, oy + 2, LongDriveFont->image, static_cast<float>(s), 0, 1);
  } else if (DriveLength >= 1 && DriveLength <= 5 && DriveLabel) {
    DrawFrame(DriveLabel, x, y);
    DrawFrame(ParNumbers, x + DriveLabel->w + 1, y - 1, DriveLength);
  }

  if (GolfClub) {
    DrawFrame(GolfClub, static_cast<float>(LONGRUNX - 22), y - 80, ClubFrame);
    if (ClubGlowCounter > 0 && ClubGlowLength > 0) {
      platform::SetBlend(platform::BLEND_LIGHT);
      platform::SetAlpha(ClubGlowCounter / ClubGlowLength / 2.0f);
      DrawFrame(GolfClub, static_cast<float>(LONGRUNX - 22), y - 80, ClubFrame);
      platform::SetBlend(platform::BLEND_ALPHA);
      platform::SetAlpha(1.0f);
    }
  }

  if (BackgroundParticles) BackgroundParticles->Draw();

  const float t = Multiplier + Margin >= hud_rules::MULTIPLIER_TOP
                      ? 1.0f
                      : static_cast<float>((Multiplier - 1.0) / 2.0);
  float bx = 0, by = 0;
  const float lx = static_cast<float>(LONGRUNX);
  ccBezier(lx + 50, y + 16, lx + 339, y + 14, lx + 156, y - 32.5f, lx + 241, y - 39, t, bx, by);
  DrawFrame(GolfBall, bx - 2, by - 16);
  if (BallGlowCounter > 0 && BallGlowLength > 0) {
    const float a = BallGlowCounter / BallGlowLength;
    platform::SetBlend(platform::BLEND_LIGHT);
    platform::SetAlpha(a / 2.0f);
    DrawFrame(GolfBall, bx - 2, by - 16);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(a);
    DrawFrame(BallGlow, bx - 2, by - 16);
    platform::SetAlpha(1.0f);
  }

  if (BallFont) {
    std::string whole, frac;
    GetMultiplierStrings(Multiplier, whole, frac);
    platform::SetColor(60, 27, 0);
    BallFont->Draw(whole + "." + frac + "X", bx - 5, by - 30, 1, 0, BallAnimCounter > 0 ? 0 : 1, 0, 0);
    platform::SetColor(255, 255, 255);
  }
  return 0;
}
