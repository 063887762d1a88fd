#include "play/hud.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud_rules.h"
#include "play/kept_pictures.h"
#include "play/play_effects.h"
#include "play/play_support.h"
#include "progress/avatar.h"
#include "progress/globals.h"
#include "progress/player.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "util/animation.h"
#include "util/image.h"
#include "util/strings.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

using play_support::DrawFrame;
using play_support::PlaySound;
using play_support::Ticks;

namespace {

std::string ImageFolder() { return Game ? Game->ImagePath : std::string(); }

// The HUD's files under the image folder: the club strip, the single pictures in the order they
// are read, and each iron's picture, mouse-over picture and hit area.
constexpr const char* kClubStrip = "gamescreen/strip_clubs.png";
constexpr std::array<const char*, 8> kSingleFiles{
    "gamescreen/cart.png",           "gamescreen/GolfBag.png",       "gamescreen/GolfBag_back.png",
    "gamescreen/Hole_Marker.png",    "gamescreen/Run_Indicator.png", "gamescreen/Score_Sign.png",
    "gamescreen/Hole_Cash_Sign.png", "gamescreen/stopwatch.png"};
constexpr std::array<const char*, 3> kIronKinds{"", "_over", "_area"};

std::string IronFile(std::size_t slot, const char* kind) {
  return "gamescreen/irons/" + std::to_string(slot + 2) + "_iron" + kind + ".png";
}

std::vector<std::string> HudFiles() {
  std::vector<std::string> files{kClubStrip};
  files.insert(files.end(), kSingleFiles.begin(), kSingleFiles.end());
  for (std::size_t slot = 0; slot < THUD::IRON_COUNT; ++slot)
    for (const char* kind : kIronKinds) files.push_back(IronFile(slot, kind));
  return files;
}

std::shared_ptr<TGameImage> BankImage(const std::string& name) {
  return images ? images->Find(name) : nullptr;
}

void Precache(const std::shared_ptr<TGameImage>& image) {
  if (image && image->image) ccCreateFrames(image->image);
}

// Counts a counter down by Delta, not below 0.
void RunDown(float& counter) {
  if (counter > 0) {
    counter -= Delta;
    if (counter < 0) counter = 0;
  }
}

}  // namespace

THUD::THUD() {
  IronsScale.fill(0.0f);
}

int THUD::LoadGlobals() {
  FireworkColours[0] = TColor::Create(255, 150, 50, 1.0f);
  FireworkColours[1] = TColor::Create(100, 255, 50, 1.0f);
  FireworkColours[2] = TColor::Create(255, 70, 50, 1.0f);
  FireworkColours[3] = TColor::Create(220, 30, 10, 1.0f);
  return 0;
}

std::shared_ptr<THUDFilePictures> THUDFilePictures::Current(
    std::shared_ptr<THUDFilePictures>* kept) {
  return KeptPictures(
      kept, KeptPicturesSource(ImageFolder(), HudFiles()), [](THUDFilePictures& set) {
        const std::string folder = ImageFolder();
        set.GolfClub = std::make_shared<TGameImage>();
        set.GolfClub->LoadAnim(folder + kClubStrip, 214, 120, 0, 53, -1, 0);
        const std::array<std::shared_ptr<TGameImage>*, kSingleFiles.size()> singles{
            &set.Cart,         &set.GolfBag,   &set.GolfBagBack,  &set.HoleMarker,
            &set.RunIndicator, &set.ScoreSign, &set.HoleCashSign, &set.StopWatch};
        for (std::size_t i = 0; i < singles.size(); ++i)
          *singles[i] = TGameImage::Create(folder + kSingleFiles[i], -1, 0);
        for (std::size_t slot = 0; slot < THUD::IRON_COUNT; ++slot) {
          set.Irons[slot] = TGameImage::Create(folder + IronFile(slot, kIronKinds[0]), -1, 0);
          set.IronsMO[slot] = TGameImage::Create(folder + IronFile(slot, kIronKinds[1]), -1, 0);
          set.IronsArea[slot] = TGameImage::Create(folder + IronFile(slot, kIronKinds[2]), -1, 0);
        }
      });
}

int THUD::LoadImages() {
  const auto files = THUDFilePictures::Current(GameScreen ? &GameScreen->HUDPictures : nullptr);
  GolfClub = files->GolfClub;
  GolfBall = BankImage("longrun_ball_large");
  GolfBallGhost = BankImage("longrun_ball_gray_large");
  BallGlow = BankImage("ball_glow");
  std::printf("HUD Anims: %lld   %lld\n", GolfClub->CalcRAM() / 1024, GolfClub->CalcVRAM() / 1024);
  Precache(GolfClub);

  Cart = files->Cart;
  GolfBag = files->GolfBag;
  GolfBagBack = files->GolfBagBack;
  HoleMarker = files->HoleMarker;
  RunIndicator = files->RunIndicator;
  ScoreSign = files->ScoreSign;
  HoleCashSign = files->HoleCashSign;
  StopWatch = files->StopWatch;
  long long ram = 0, vram = 0;
  for (const auto& img : {Cart, GolfBag, GolfBagBack, HoleMarker, RunIndicator, ScoreSign, HoleCashSign}) {
    ram += img->CalcRAM();
    vram += img->CalcVRAM();
  }
  std::printf("HUD Images: %lld   %lld\n", ram / 1024, vram / 1024);
  for (const auto& img : {Cart, GolfBag, GolfBagBack, HoleMarker, RunIndicator, ScoreSign, HoleCashSign})
    Precache(img);

  IronsFrom(*files);

  // The bank's pictures are looked up at every hole: the 5x or 7x signs follow the avatar items
  // the player owns now.
  ScoreSignFont = BankImage("score_sign_numbers_small");
  ScoreSignPar = BankImage("score_sign_par");
  HoleNumbersBig = BankImage("hole_numbers_big");
  HoleNumbersSmall = BankImage("hole_numbers_small");
  ParNumbers = BankImage("hole_marker_par_numbers");
  DriveLabel = BankImage("Drive");
  LongDriveLabel = BankImage("Long_Drive");
  LongDriveLabelGlow = BankImage("Long_Drive_Glow");
  LongDriveFont = BankImage("Long_Drive_Font");
  LongDriveFontGlow = BankImage("Long_Drive_Font_Glow");
  MultiplierFont = BankImage("Multiplier_Font");
  const bool seven = PlayerOwnsItem(7);
  FlagMultiplierLabel = BankImage(seven ? "7x" : "5x");
  FiveXMultiplierLabel = BankImage(seven ? "7x_Multiplier_sign" : "5x_Multiplier_sign");
  FiveXMultiplierLabelGlow = BankImage(seven ? "7x_Multiplier_sign_glow" : "5x_Multiplier_sign_glow");
  DigitalReadoutFont = BankImage("digital_readout_font");
  DigitalReadoutFontRed = BankImage("digital_readout_font_red");
  return 0;
}

int THUD::ClearCounters() {
  MultiplierAnimCounter = 0;
  BallAnimCounter = 0;
  FiveXAnimCounter = 0;
  ClubGlowCounter = 0;
  BallGlowCounter = 0;
  StopWatchGlowCounter = 0;
  IronsGlow.fill(0.0f);
  IronsScale.fill(1.0f);
  return 0;
}

int THUD::Init() {
  ClearCounters();
  if (WildShotScreen) {
    if (WildShotScreen->PixieDust) WildShotScreen->PixieDust->Kill();
    WildShotScreen->PixieDust = std::make_shared<TPixieDust>();
  }
  MULLIGANX = GOLFBAGX + 7;
  MULLIGANY = GOLFBAGY + 24;
  HoleCashActive = 0;
  HoleCashBounces = 0;
  HoleCashWobble = 0;
  HoleCashPixieDust = std::make_shared<TPixieDust>();
  IronsMO = 0;
  IronsGlowLength = static_cast<int>(Ticks(500));
  LongDrive = 0;
  DriveEnded = 0;
  GenuineDrive = 0;
  LastDriveLength = 0;
  DriveLength = 0;
  Multiplier = 1.0;
  IronSoundPlayed = 0;
  if (PlayerOwnsItem(5)) Multiplier = static_cast<double>(1.3f);
  MultiplierGhost = LastMultiplier = LastMultiplierGhost = Multiplier;
  NextStockCard.reset();
  NextStockCardWasNull = 0;
  ClubFrame = ClubNeutralFrame;
  FiveXReached = 0;
  FiveXBonus = 0;
  MaxOffset = 0;
  return 0;
}

int THUD::Kill() {
  for (auto* img : {&Cart, &GolfBag, &GolfBagBack, &HoleMarker, &RunIndicator, &ScoreSign, &HoleCashSign,
                    &StopWatch, &GolfClub, &GolfBall, &GolfBallGhost, &BallGlow})
    img->reset();
  for (int k = 0; k < IRON_COUNT; ++k) {
    IronImages[static_cast<std::size_t>(k)].reset();
    IronImagesMO[static_cast<std::size_t>(k)].reset();
    IronImagesArea[static_cast<std::size_t>(k)].reset();
    IronData[static_cast<std::size_t>(k)].reset();
  }
  for (auto* img : {&ScoreSignFont, &ScoreSignPar, &HoleNumbersBig, &HoleNumbersSmall, &ParNumbers,
                    &DriveLabel, &LongDriveLabel, &LongDriveLabelGlow, &LongDriveFont, &LongDriveFontGlow,
                    &MultiplierFont, &FlagMultiplierLabel, &FiveXMultiplierLabel,
                    &FiveXMultiplierLabelGlow, &DigitalReadoutFont, &DigitalReadoutFontRed})
    img->reset();
  if (HoleCashPixieDust) HoleCashPixieDust->Kill();
  LongDriveButtonSparkles.reset();
  return 0;
}

float THUD::GetHUDX() const { return 0.0f; }

float THUD::GetHUDY() const {
  float y = 0;
  if (GameScreen && GameScreen->IntroAnim && GameScreen->IntroAnim->Active) {
    const float length = Ticks(400);
    const float t = static_cast<float>(static_cast<int>(Ticks(1000) - length));
    if (GameScreen->IntroAnim->Counter > t && length > 0) y -= (GameScreen->IntroAnim->Counter - t) / length * 135.0f;
  }
  if (ScoreCardScreen && ScoreCardScreen->Zoom) {
    const auto& zoom = *ScoreCardScreen->Zoom;
    if (zoom.Active && ScoreCardScreen->ZoomIn == 1 && ScoreCardScreen->MidHole == 0)
      y -= 135.0f * ScoreCardScreen->Zoom->GetRatioInv();
    else if (ScoreCardScreen->Active && ScoreCardScreen->MidHole == 0)
      y -= 135.0f;
  }
  return y;
}

int THUD::ShakeScreen(TParticle* /*particle*/) {
  if (HUD) HUD->MaxOffset = 3.0f;
  return 0;
}

int THUD::MakeFirework() {
  const auto& colour = FireworkColours[static_cast<std::size_t>(EffectsRandom.Rand(0, MAX_FIREWORKS_COLOURS - 1))];
  const int y = EffectsRandom.Rand(50, ScreenHeight - 100);
  const int x = EffectsRandom.Rand(50, ScreenWidth - 50);
  FireworkParticlesMake(static_cast<float>(x), static_cast<float>(y), 50, colour);
  return 0;
}

int THUD::Manage() {
  ManageClubSwing();

  if (BallAnimCounter > 0) {
    BallAnimCounter -= Delta;
    if (BallAnimLength > 0)
      Multiplier = LastMultiplier + (MultiplierGhost - LastMultiplier) *
                                        (1.0 - static_cast<double>(BallAnimCounter) / BallAnimLength);
    if (BallAnimCounter <= 0) {
      BallAnimCounter = 0;
      BallAnimFinish(0);
    }
  }

  RunDown(ClubGlowCounter);
  if (BallAnimCounter == 0) RunDown(BallGlowCounter);

  for (int k = 0; k < IRON_COUNT; ++k) {
    RunDown(IronsGlow[static_cast<std::size_t>(k)]);
    float& s = IronsScale[static_cast<std::size_t>(k)];
    if (k != IronsMO - 2 && s > 1.0f) {
      s -= 0.01f * Delta;
      if (s < 1.0f) s = 1.0f;
    }
  }

  RunDown(StopWatchGlowCounter);
  if (StopWatchScale > 1.0f) {
    StopWatchScale -= 0.0025f * Delta;
    if (StopWatchScale < 1.0f) StopWatchScale = 1.0f;
  }

  if (MaxOffset > 0) {
    MaxOffset -= 0.04f * Delta;
    // 3.0 runs out on the 75th whole tick; single precision leaves a remainder far below a pixel.
    if (MaxOffset <= 1e-4f) {
      MaxOffset = 0;
      platform::SetOrigin(0, 0);
    } else {
      const float oy = static_cast<float>(EffectsRandom.Rnd(-MaxOffset, MaxOffset));
      const float ox = static_cast<float>(EffectsRandom.Rnd(-MaxOffset, MaxOffset));
      platform::SetOrigin(ox, oy);
    }
  }

  if (FiveXAnimCounter > 0) {
    FiveXAnimCounter -= Delta;
    const int k = EffectsRandom.Rand(1, 1000);
    if (k < 70.0f * Delta && FiveXAnimCounter < Ticks(7000)) MakeFirework();
    if (FiveXAnimCounter <= 0) {
      platform::SetOrigin(0, 0);
      FiveXAnimCounter = 0;
      if (Game) Game->SpecialChannel.reset();
      LongDriveAnimFinish();
    }
  }

  ManageHoleCashSign();

  if (LongDriveButtonSparkles && LongDriveButtonSparkles->Manage() != 0) LongDriveButtonSparkles.reset();
  return 0;
}

int THUD::ManageClubSwing() {
  if (MultiplierAnimCounter <= 0) return 0;
  const int L = LastDriveLength;
  const int N = ClubNeutralFrame;
  const int F = ClubFramesTotal;
  MultiplierAnimCounter -= Delta;
  const float C = MultiplierAnimCounter;
  const int T = static_cast<int>(Ticks(LD_SWINGBACK_TIME * L + LD_SWINGTHROUGH_TIME));
  if (C < T) {
    const float r = GetDistanceRatio(L);
    const int back = ccRound(N - r * N);
    const float backLen = Ticks(LD_SWINGBACK_TIME * L);
    const int t1 = static_cast<int>(T - backLen);
    if (C > t1) {
      if (IronSoundPlayed == 0) {
        IronSoundPlayed = 1;
        if (GameGrid) PlaySound(GameGrid->LongDriveIronSound, 1.0f);
      }
      ClubFrame = N - ccRound((N - back) * (1.0f - (C - t1) / backLen));
      ClubGlowLength = static_cast<int>(Ticks(500));
      ClubGlowCounter = static_cast<float>(ClubGlowLength);
    } else if (C < t1) {
      if (SwishNoisePlayed == 0) {
        SwishNoisePlayed = 1;
        if (GameGrid) PlaySound(GameGrid->SwishSound, 1.0f);
      }
      const int end = 5 + ccRound(N + r * (F - (N + 1) - 5));
      const float t2 = t1 - Ticks(120);
      const int t3 = static_cast<int>(Ticks(static_cast<int>(120 + 180 * r)));
      if (C > t2) {
        const int previous = ClubFrame;
        ClubFrame = end - ccRound((end - back) * (C - t2) / Ticks(120));
        if (ClubFrame > previous && ClubFrame >= N + 5) BallAnimStart(r);
      } else if (C >= t3) {
        ClubFrame = end;
      } else if (t3 > 0) {
        ClubFrame = static_cast<int>(N + std::floor((end - N) * C / t3));
      }
    }
  }
  if (MultiplierAnimCounter <= 0) {
    MultiplierAnimCounter = 0;
    ClubFrame = N;
  }
  return 0;
}

int THUD::ManageHoleCashSign() {
  if (HoleCashBounces > 0) {
    HoleCashSignY += HoleCashSignYSpeed * Delta;
    if (HoleCashSignY >= -20.0f) {
      HoleCashBounces -= 1;
      const float volume = HoleCashBounces == 2 ? 1.0f : HoleCashBounces == 1 ? 0.5f : 0.25f;
      if (GameGrid) PlaySound(GameGrid->CashSignSound, volume);
      if (HoleCashBounces == 0) {
        HoleCashSignY = -20.0f;
      } else {
        HoleCashSignYSpeed = (0.0f - HoleCashSignYSpeed) / 2.5f;
        HoleCashSignY = -20.01f;
      }
    }
    HoleCashSignYSpeed += 0.04f * Delta;
    if (HoleCashPixieDust) HoleCashPixieDust->y = static_cast<int>(HoleCashSignY);
  }
  if (HoleCashPixieDust) HoleCashPixieDust->Manage();
  RunDown(HoleCashWobble);
  return 0;
}

int THUD::Draw() {
  const float y0 = GetHUDY();
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  DrawFrame(Cart, static_cast<float>(CARTX), static_cast<float>(CARTY));
  DrawFrame(GolfBagBack, static_cast<float>(GOLFBAGX - 1), static_cast<float>(GOLFBAGY - 14));
  IronsDraw();
  if (IronParticles) IronParticles->Draw();
  DrawFrame(GolfBag, static_cast<float>(GOLFBAGX), static_cast<float>(GOLFBAGY));
  DrawFrame(HoleMarker, 5.0f, y0);
  if (auto* p = CurrentPlayer(); p && p->TimeLimit > 0) StopWatchDraw(y0);
  DrawFrame(RunIndicator, static_cast<float>(LONGRUNX - 10), LONGRUNY + y0);
  DrawFrame(ScoreSign, static_cast<float>(SCORESIGNX), static_cast<float>(SCORESIGNY));
  if (Avatar) Avatar->Draw(SCORESIGNX + 149, SCORESIGNY - 19);
  ScoreDraw(33.0f, 504.0f);
  HoleCashDraw(y0);
  DriveLengthDraw(573.0f, 60.0f + y0);
  LevelDraw(y0);
  return 1;
}
