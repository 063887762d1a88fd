#include "wildshot/wildshot_screen.h"

#include "cards/card_list.h"
#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/image.h"
#include "util/input.h"
#include "util/maths.h"
#include "util/strings.h"
#include "util/word_wrap.h"
#include "content/globals.h"

namespace {

// The dialog cannot run without these; a missing one stops the game with the bank's own message
// even while the banks are set to stay quiet.
std::shared_ptr<TGameImage> NeedImage(const std::string& name) {
  auto image = images ? images->Find(name) : nullptr;
  if (!image) ccRunTimeError("Image '" + ccUpperCase(name) + "' was not found in the ImageBank", 1);
  return image;
}

std::shared_ptr<TGameSound> NeedSound(const std::string& name) {
  auto sound = sounds ? sounds->Find(name) : nullptr;
  if (!sound) ccRunTimeError("Sound '" + ccUpperCase(name) + "' was not found in the SoundBank", 1);
  return sound;
}

}  // namespace

TWildshotScreen::TWildshotScreen() {
  name = "wildshot";
  MenuY = ScreenHeight - 167;
  AngleMax = 90 - AngleMin + 90;
}

TWildshotScreen::~TWildshotScreen() = default;

int TWildshotScreen::DialogWidth() const { return Image ? Image->Width() : 512; }
int TWildshotScreen::DialogHeight() const { return Image ? Image->Height() : 512; }
int TWildshotScreen::DialogLeft() const { return (ScreenWidth - DialogWidth()) / 2; }

int TWildshotScreen::PreCache() {
  ImageLoad("wildshots/dialog_bg.png", 0);
  ccCreateFrames(Image);
  HeaderLoad("wildshots/headline_wild_shot", static_cast<float>(ScreenWidth / 2 + HeaderXOffset), 0);
  if (Header) {
    HeaderImage = Header->image;
    if (HeaderImage) ccCreateFrames(HeaderImage->image);
  }
  Frame = TGameImage::Create(Game->ImagePath + "wildshots/dialog_frame.png", -1, 0);
  if (Frame) {
    ccCreateFrames(Frame->image);
    MinigameX = (ScreenWidth - Frame->w) / 2 + 50;
  }
  Overlay = TGameImage::Create(Game->ImagePath + "wildshots/dialog_overlay.png", -1, 0);
  if (Overlay) ccCreateFrames(Overlay->image);

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->AddQuick("ok_wild", "ok");
  if (auto ok = Menu->FindButton("ok")) ok->LoadMouseClick("ok_wild_down", 100);
  Menu->AddPair("play_wild", "drop_wild", 22, "");
  Menu->AddQuick("stop_wild", "");
  Menu->Centre();
  auto play = Menu->FindButton("play_wild");
  auto drop = Menu->FindButton("drop_wild");
  auto stop = Menu->FindButton("stop_wild");
  auto ok = Menu->FindButton("ok");
  if (play) {
    play->LoadMouseClick("play_wild_down", 350);
    play->OKButton = 1;
    play->y = static_cast<float>(MenuY);
  }
  if (drop) {
    drop->LoadMouseClick("drop_wild_down", 350);
    drop->y = static_cast<float>(MenuY);
  }
  if (stop) {
    stop->OKButton = 1;
    stop->CentreX(static_cast<float>(MenuY));
    stop->x += 1.0f;
  }
  if (ok) {
    ok->OKButton = 1;
    ok->CentreX(static_cast<float>(MenuY));
  }
  for (const auto& button : {play, drop, ok})
    if (button) button->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  Menu->Precache();
  return 0;
}

int TWildshotScreen::KillPrecachedData() {
  TScreen::Kill();
  Frame.reset();
  return 0;
}

int TWildshotScreen::Kill() {
  // A shuffle still looping when play is left would go on under the next screen.
  if (ShuffleChannel) {
    if (ShuffleChannel->Channel && Game && Game->SpecialChannel == ShuffleChannel->Channel)
      Game->SpecialChannel.reset();
    ShuffleChannel->Kill();
  }
  ActivateSound.reset();
  DeactivateSound.reset();
  SlideSound.reset();
  ShuffleSound.reset();
  ShuffleChannel.reset();
  MinigameSound.reset();
  AnimSound.reset();
  Unroll.reset();
  ShufflingAnim.reset();
  CardSlide.reset();
  TextFade.reset();
  MinigamePreFadeIn.reset();
  MinigameFadeIn.reset();
  Icon.reset();
  WildshotFirstFrames.reset();
  GopherFirstFrame.reset();
  DefaultWildshot.reset();
  WildshotAnimStrip.reset();
  Readied = TReadiedStory{};
  Active = 0;
  Text.clear();
  Text2.clear();
  KillMinigame();
  return 0;
}

int TWildshotScreen::LoadSpecial() {
  if (Header && HeaderImage) Header->image = HeaderImage;
  Unroll = TAnimation::Create(400, 0, 0, 0);
  ShufflingAnim = TAnimation::Create(10000, 0, 0, 1);
  CardSlide = TAnimation::Create(200, 0, 0, 0);
  TextFade = TAnimation::Create(200, 0, 0, 0);
  MinigamePreFadeIn = TAnimation::Create(250, 0, 0, 0);
  MinigameFadeIn = TAnimation::Create(250, 0, 0, 0);
  EnableButtons(1);
  if (Menu) {
    Menu->ClearGlow();
    Menu->ClearMouseClick();
  }
  WildshotFirstFrames = NeedImage("FirstFrames");
  GopherFirstFrame = NeedImage("GopherFirstFrame");
  DefaultWildshot = NeedImage("DefaultWildshot");
  for (const auto& image : {WildshotFirstFrames, GopherFirstFrame, DefaultWildshot})
    if (image) ccCreateFrames(image->image);
  Icon = DefaultWildshot;
  IconFrame = 0;
  LastFrame = 0;
  FirstFrame = 0;
  WildshotAnimCounter = 0;
  IconStartX = (ScreenWidth - DialogWidth()) / 2 + 61;
  IconX = static_cast<float>(IconStartX);
  IconY = static_cast<float>(IconStartY);
  ActivateSound = NeedSound("landing");
  DeactivateSound = NeedSound("sliding");
  SlideSound = NeedSound("card_slide");
  ShuffleSound = NeedSound("card_shuffle");
  MinigameSound = NeedSound("wildshot_mini");
  Active = 0;
  PenaltyType = 0;
  ChosenStory = -1;
  SpecialValue = 0;
  SpecialText.clear();
  SpecialValue2 = 0;
  SpecialText2.clear();
  Minigame = 0;
  MinigameActive = 0;
  MinigameGood = 0;
  Readied = TReadiedStory{};
  return 0;
}

int TWildshotScreen::SetText() {
  Text = InitialText;
  const int stock = CardList ? CardList->StockCount() : 0;
  PenaltyType = stock >= 2 ? 1 : 2;
  const std::string& penalty = PenaltyType == 1 ? Penalty1 : Penalty2;
  if (Text.empty())
    Text.push_back(penalty);
  else
    Text.back() += " " + penalty;
  return WrapText();
}

int TWildshotScreen::WrapText() {
  Text = ccWordWrapArraySpecial(Text, PageWidth, PageWidth2, 3, WildshotFont);
  TotalLines = static_cast<int>(Text.size());
  TotalResultLines = 0;
  return 0;
}

float TWildshotScreen::SparkleInterval() const {
  // Floating point throughout: a whole-number Particles / 100 is 0 for every setting below 100.
  const float share = static_cast<float>(Game->Particles) / 100.0f;
  return Game->CalcAnimLengthFromFloat(20.0f / share);
}

int TWildshotScreen::Show(int) {
  SetText();
  Active = 1;
  if (Menu) Menu->ClearMouseOver();
  if (Unroll) Unroll->Start();
  if (Game->Mouse) {
    MouseState = Game->Mouse->Active;
    Game->Mouse->On();
  }
  if (Game->Channels) Game->Channels->PlayGameSound(NeedSound("dialog_rustle"), nullptr, 1.0f, 0.0f);
  if (Menu) Menu->AcceptInput = 0;
  const int w = DialogWidth();
  const int h = DialogHeight();
  Bounces = 3;
  Y = static_cast<float>(-h);
  TopY = Y;
  YSpeed = DIALOG_GRAVITY;
  for (const char* name : {"ok", "stop_wild"})
    if (auto button = Menu ? Menu->FindButton(name) : nullptr) button->Active = 0;
  if (PixieDust) {
    PixieDust->x = (ScreenWidth - w) / 2 + 25;
    PixieDust->y = static_cast<int>(Y);
    PixieDust->w = w - 50;
    PixieDust->h = h - 35;
    if (Game->Particles > 0) {
      PixieDust->MainCounter = Game->CalcAnimLength(900);
      PixieDust->Length = SparkleInterval();
      PixieDust->Counter = PixieDust->Length;
    }
    PixieDust->ParticleList = DialogParticles;
  }
  const int leaves = 20 * Game->Particles / 100;
  auto leaf = images ? images->Find("leaf") : nullptr;
  if (DialogParticles && leaf) {
    const int left = PixieDust ? PixieDust->x : (ScreenWidth - w) / 2 + 25;
    for (int i = 0; i < leaves; ++i) {
      const int direction = ccFastRand(0, 1) == 0 ? -1 : 1;
      const float dx = static_cast<float>(EffectsRandom.Rnd(-0.6, 0.6));
      const float dy = static_cast<float>(EffectsRandom.Rnd(0.3, 0.7));
      const float spin = static_cast<float>(EffectsRandom.Rnd(-2.0, 2.0));
      const float scale = static_cast<float>(EffectsRandom.Rnd(0.5, 1.0));
      auto particle = DialogParticles->AddNew(left + ccFastRand(-50, w + 50), ccFastRand(-100, -30),
                                              leaf, dx, dy, static_cast<float>(Gravity / 8.0),
                                              1000.0f, 0, direction, spin, scale, 0.0f, 0, 0);
      if (particle) {
        particle->SetFade(0, 900, 500);
        particle->NoOutOfBounds = 1;
      }
    }
  }
  Result = -1;
  ccFlushAll();
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}

int TWildshotScreen::EnableButtons(int state) {
  if (!Menu) return 0;
  for (const char* name : {"play_wild", "drop_wild"})
    if (auto button = Menu->FindButton(name)) button->Active = state;
  return 0;
}

int TWildshotScreen::Hide() {
  if (MouseState == 0 && Game->Mouse) Game->Mouse->Off();
  ccFlushAll();
  Active = 0;
  Kill();
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}
