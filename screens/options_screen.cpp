#include "screens/options_screen.h"

#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/pointer_particles.h"
#include "screens/credits_screen.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/slider.h"
#include "util/input.h"

namespace {

// Moves a freshly added button (centred by the menu) to its row, one pixel right.
void Place(const std::shared_ptr<TButton>& button, int y) {
  if (!button) return;
  button->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  button->y = static_cast<float>(y);
  button->x += 1;
}

}  // namespace

TOptionsScreen::TOptionsScreen() { name = "options"; }
TOptionsScreen::~TOptionsScreen() = default;

int TOptionsScreen::Load() {
  name = "options";
  Closing = 0;
  ImageLoad("options/options_credits_bg.jpg", 0);
  HeaderLoad("options/options_header", static_cast<float>(ScreenWidth / 2), 30);
  Testing = sounds ? sounds->Find("testing") : nullptr;
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  LoadToggle(Game->FullScreen, "fullscreen");
  Place(Menu->FindButton("fullscreen"), 355);
  auto credits = Menu->AddQuick("credits", "");
  credits->LoadMouseClick("credits_down", 350);
  Place(credits, 423);
  Place(AddStandardOKButton(Menu), 499);
  const int x0 = (ScreenWidth - 180) / 2 + 1;
  auto slider = [x0](const std::string& sliderName, int y, int value) {
    auto s = TSlider::CreateSpecial("options/slider_bar", "options/slider", x0, y, 25, sliderName, 5);
    s->DotY += 1;
    s->SetValue(value);
    return s;
  };
  SoundSlider = slider("sound", 146, Game->SoundVolume);
  AnnouncerSlider = slider("announcer", 217, Game->SpeechVolume);
  DetailSlider = slider("detail", 288, Game->Particles);
  ChannelClick = platform::AllocChannel();
  const char* keys[] = {"Volume", "Announcer", "Details", "Full Screen"};
  for (std::size_t i = 0; i < Labels.size(); ++i) Labels[i] = GameText ? GameText->FindString(keys[i]) : keys[i];
  Game->FadeMusic = 0;
  return 0;
}

int TOptionsScreen::Start() {
  TScreen::Start();
  Game->IgnoreEscapeKey = 1;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TOptionsScreen::Kill() {
  TScreen::Kill();
  SoundSlider = nullptr;
  AnnouncerSlider = nullptr;
  DetailSlider = nullptr;
  if (ChannelClick) ChannelClick->Stop();
  ChannelClick = nullptr;
  return 0;
}

int TOptionsScreen::SetEscDestination() { return 0; }

int TOptionsScreen::LoadToggle(int state, const std::string& buttonName) {
  Menu->AddQuick(state != 0 ? "on" : "off", buttonName);
  return 0;
}

int TOptionsScreen::ReloadToggleButton(const std::shared_ptr<TButton>& button, int state,
                                       const std::string& buttonName) {
  if (!button) return 0;
  const std::string image = state != 0 ? "on" : "off";
  button->Load(image, image + "MO", "", "", 0, 0, 1);
  button->name = UpperCaseName(buttonName);
  button->SoundMouseOver = Menu->SoundMouseOver;
  button->SoundClick = Menu->SoundClick;
  return 0;
}

int TOptionsScreen::ClickSound() {
  if (ChannelClick && ChannelClick->Playing()) return 0;
  auto ok = Menu ? Menu->FindButton("OK") : nullptr;
  if (ok && ok->SoundClick) ok->SoundClick->PlayInChannel(ChannelClick, 0.0f);
  return 0;
}

int TOptionsScreen::Close() {
  // OK and Escape may both arrive in one tick: the page is left once.
  if (Closing != 0) return 0;
  Closing = 1;
  Game->IniUpdate(1);
  Game->FixedRateLogic->Init();
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
  Game->DestinationTScreen = Destination;
  return 0;
}

int TOptionsScreen::Logic() {
  TScreen::Logic();
  if (SoundSlider->Manage() != 0) {
    Game->SoundSetVolume(SoundSlider->Value, 0);
    Game->MusicSetVolume(SoundSlider->Value, 0);
    if (Destination && Destination == GameScreen) ClickSound();
  }
  if (AnnouncerSlider->Manage() != 0) {
    Game->SpeechSetVolume(AnnouncerSlider->Value, 0);
    if (Testing) Game->SpeechPlay(*Testing, 0);
  }
  if (DetailSlider->Manage() != 0) {
    Game->ParticlesSet(DetailSlider->Value, 0);
    if (Game->Mouse) Game->Mouse->SparkleLength = CalcSparkleLength();
  }
  if (Menu->Clicked("fullscreen")) {
    const int before = Game->FullScreen;
    Game->ToggleFullScreen();
    if (Game->FullScreen != before) {
      ReloadToggleButton(Menu->FindButton("fullscreen"), Game->FullScreen, "fullscreen");
    }
  }
  if (Menu->Clicked("credits") && Closing == 0) {
    // Leaving for the credits writes nothing; OK or Escape in the same tick is then ignored.
    Closing = 1;
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
    Game->DestinationTScreen = CreditsScreen;
  }
  if (Menu->Clicked("ok")) Close();
  if (KeyHit(KEY_ESCAPE) != 0 && Closing == 0) {
    if (auto ok = Menu->FindButton("OK")) {
      ok->FixedGlowOnMOActivate();
      ok->Click();
    }
    Close();
  }
  return 0;
}

int TOptionsScreen::Draw() {
  TScreen::Draw();
  if (DialogFont) {
    const float x = static_cast<float>(ScreenWidth / 2 + 1);
    DialogFont->DrawAligned(Labels[0], x, SoundSlider->y - 30, 1, 1, 0, 0);
    DialogFont->DrawAligned(Labels[1], x, AnnouncerSlider->y - 30, 1, 1, 0, 0);
    DialogFont->DrawAligned(Labels[2], x, DetailSlider->y - 30, 1, 1, 0, 0);
    if (auto toggle = Menu->FindButton("fullscreen")) {
      DialogFont->DrawAligned(Labels[3], x, toggle->y - 24, 1, 1, 0, 0);
    }
  }
  SoundSlider->Draw();
  AnnouncerSlider->Draw();
  DetailSlider->Draw();
  return 0;
}
