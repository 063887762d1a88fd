#include "screens/stand_in_screen.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "platform/graphics.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "util/image.h"

TStandInScreen::TStandInScreen(const std::string& screenName) { name = screenName; }

int TStandInScreen::Start() {
  TScreen::Start();
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TStandInScreen::Draw() {
  ccClsNoFlip(16, 40, 24);
  TScreen::Draw();
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(240, 230, 200);
  platform::SetAlpha(1.0f);
  const float x = static_cast<float>((ScreenWidth - platform::TextWidth(name)) / 2);
  const float y = static_cast<float>((ScreenHeight - platform::TextHeight(name)) / 2);
  platform::DrawText(name, x, y);
  platform::SetColor(255, 255, 255);
  return 0;
}

int TStandInScreen::SetEscDestination() {
  Game->DestinationTScreen = Destination ? Destination : std::static_pointer_cast<TScreen>(TitleScreen);
  return 0;
}
