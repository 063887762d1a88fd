#include "core/screen.h"

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "platform/graphics.h"
#include "platform/picture_count.h"
#include "util/error.h"
#include "util/image.h"
#include "util/input.h"

int TScreen::ImageLoad(const std::string& fileName, int flags) {
  Image = ccLoadBitmap(Game->ImagePath + fileName, flags);
  if (Image) Image->SetHandle(0, 0);
  return 0;
}

int TScreen::HeaderLoad(const std::string& fileName, float x, float y) {
  Header = Game->Upper->CreateHeaderSprite(Game->ImagePath + fileName + Ext, x, y);
  return 0;
}

int TScreen::PreStart() {
  if (StopInit != 0) return CoreStart();
  Load();
  return Start();
}

int TScreen::ResetStops() {
  StopKill = 0;
  StopInit = 0;
  return 0;
}

int TScreen::Load() { return 0; }

int TScreen::Start() {
  Game->Upper->MouseOn();
  Game->IgnoreEscapeKey = 0;
  return CoreStart();
}

int TScreen::CoreStart() {
  Game->CurrentTScreen = shared_from_this();
  if (Menu) Game->Upper->MenuManageNoSound(*Menu);
  ccFlushAll();
  Game->Upper->MouseClearButtons();
  Game->FixedRateLogic->Init();
  return 0;
}

int TScreen::PostFadeIn() { return 0; }

int TScreen::Kill() {
  Image = nullptr;
  Header = nullptr;
  if (Menu) {
    Game->Upper->MenuKill(*Menu);
    Menu = nullptr;
  }
  return 0;
}

int TScreen::Logic() {
  if (Menu) Game->Upper->MenuManage(*Menu);
  return 0;
}

int TScreen::Draw() {
  if (Image) {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
  }
  if (Header) {
    platform::SetBlend(platform::BLEND_ALPHA);
    Game->Upper->DrawSprite(*Header);
  }
  if (Menu) Game->Upper->MenuDraw(*Menu, 0, 0);
  return 0;
}

int TScreen::SetEscDestination() {
  Game->DestinationTScreen = Game->ExitScreen;
  return 0;
}

int TScreen::SpecificKeys() { return 0; }

int TGame::ScreenChange() {
  if (GameFade->GetDone() != 1 || GameFade->Out != 1) return 0;
  if (!CurrentTScreen) return 0;
  if (CurrentTScreen->StopKill == 0) {
    CurrentTScreen->Kill();
    // A texture the screen lost without freeing is found while the renderer is still open (it
    // would free it unseen when it closes).
    platform::CheckPictures("after the screen '" + CurrentTScreen->name + "' was unloaded");
  }
  if (!DestinationTScreen) {
    ccRunTimeError("Screen '" + CurrentTScreen->name + "' does not have a destination screen set!",
                   1);
    return 0;
  }
  LastTScreen = CurrentTScreen;
  if (DestinationTScreen == ExitScreen) {
    InstantExit = 1;
    CurrentTScreen = ExitScreen;
  } else {
    DestinationTScreen->PreStart();
  }
  ccFlushAll();
  return 0;
}
