#include "screens/options_screen.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/sound_bank.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/slider.h"
#include "util/image.h"

TOptionsScreen::TOptionsScreen() { name = "options"; }
TOptionsScreen::~TOptionsScreen() = default;

int TOptionsScreen::Load() { return 0; }

int TOptionsScreen::Start() {
  TScreen::Start();
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TOptionsScreen::Kill() { return TScreen::Kill(); }
int TOptionsScreen::Logic() { return TScreen::Logic(); }

int TOptionsScreen::Draw() {
  ccClsNoFlip(16, 40, 24);
  TScreen::Draw();
  return 0;
}

int TOptionsScreen::SetEscDestination() {
  Game->DestinationTScreen = Destination ? Destination : std::static_pointer_cast<TScreen>(TitleScreen);
  return 0;
}

int TOptionsScreen::LoadToggle(int, const std::string&) { return 0; }
int TOptionsScreen::Close() { return 0; }
int TOptionsScreen::ClickSound() { return 0; }
int TOptionsScreen::ReloadToggleButton(const std::shared_ptr<TButton>&, int, const std::string&) {
  return 0;
}
