#include "screens/intro_screen.h"

#include "content/loading.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/splash.h"
#include "platform/graphics.h"

int TIntroScreen::Start() {
  Closed = 0;
  TScreen::Start();
  // Splash pictures are loaded with their handle at the top-left corner.
  const bool autoMid = platform::GetAutoMidHandle();
  platform::SetAutoMidHandle(false);
  if (Game->PortalSplash2 != 0) PortalSplash(500, 750, 500, 2);
  if (Game->PortalSplash != 0) PortalSplash(750, 750, 750, 0);
  if (Game->Fade != 0) MarrowfenSplash(Game->Sound, 0);
  platform::SetAutoMidHandle(autoMid);
  return 0;
}

int TIntroScreen::Logic() {
  if (Closed == 0) Close();
  return 0;
}

int TIntroScreen::Close() {
  Closed = 1;
  Game->NoFade = 1;
  LoadData2();
  Game->DestinationTScreen = Destination;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 0, 0);
  return 0;
}
