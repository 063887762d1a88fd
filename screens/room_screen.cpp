#include "screens/room_screen.h"

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/input.h"

void StartRoom(TScreen& screen, const std::function<void()>& beforeFade) {
  screen.TScreen::Start();
  Game->MusicPlay(1);
  if (beforeFade) beforeFade();
  Game->IgnoreEscapeKey = 1;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  Game->FixedRateLogic->Init();
}

int EscapePressesButton(TMenu& menu, const std::string& button) {
  if (!KeyHit(KEY_ESCAPE)) return 0;
  if (auto b = menu.FindButton(button)) {
    b->FixedGlowOnMOActivate();
    b->Click();
  }
  return 1;
}

void FadeOutTo(const std::shared_ptr<TScreen>& destination) {
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
  Game->DestinationTScreen = destination;
}
