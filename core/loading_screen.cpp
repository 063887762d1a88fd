#include "core/loading_screen.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_bar.h"
#include "core/upper_layer.h"
#include "platform/graphics.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"

TLoadingScreen::TLoadingScreen() : LoadingBar(std::make_shared<TLoadingBar>()) { name = "loading"; }

int TLoadingScreen::SpecialLoad(const std::string& background, const std::string& bar,
                                const std::string& text) {
  name = "loading";
  ImageLoad(background, 0);
  if (!bar.empty()) {
    const std::size_t dot = bar.rfind('.');
    const std::string stem = dot == std::string::npos ? bar : bar.substr(0, dot);
    const std::string ext = dot == std::string::npos ? std::string() : bar.substr(dot + 1);
    const std::string emptyPath = Game->ImagePath + stem + "empty." + ext;
    const std::string finalPath = Game->ImagePath + stem + "final." + ext;
    platform::ImageRef emptyImage;
    platform::ImageRef finalImage;
    if (ccFileExists(emptyPath)) emptyImage = ccLoadBitmap(emptyPath, platform::IMAGE_DEFAULT_FLAGS);
    if (ccFileExists(finalPath)) finalImage = ccLoadBitmap(finalPath, platform::IMAGE_DEFAULT_FLAGS);
    if (!LoadingBar) LoadingBar = std::make_shared<TLoadingBar>();
    LoadingBar->Init(ccLoadBitmap(Game->ImagePath + bar, platform::IMAGE_DEFAULT_FLAGS), emptyImage,
                     finalImage);
  }
  LoadingTextImage = ccLoadBitmap(Game->ImagePath + text, platform::IMAGE_DEFAULT_FLAGS);
  if (LoadingTextImage) LoadingTextImage->MidHandle();
  LoadingX = ScreenWidth / 2;
  LoadingY = ScreenHeight / 2;
  Finished = 0;
  Game->MusicNone();
  return 0;
}

int TLoadingScreen::SetSteps(int n) {
  if (!LoadingBar) LoadingBar = std::make_shared<TLoadingBar>();
  return LoadingBar->SetSteps(n);
}

int TLoadingScreen::SetClickHereButton(const std::string& image, const std::string& mouseOverImage,
                                       const std::string& mouseOverSound,
                                       const std::string& clickSound, int y) {
  ClickHereButton =
      Game->Upper->CreateClickHereButton(image, mouseOverImage, mouseOverSound, clickSound, y);
  return 0;
}

int TLoadingScreen::Progress() {
  if (!LoadingBar) LoadingBar = std::make_shared<TLoadingBar>();
  LoadingBar->Progress();
  Finished = LoadingBar->Finished;
  if (Finished != 0) {
    ccFlushAll();
    Game->Upper->MouseUpdateCoords();
  }
  return 0;
}

int TLoadingScreen::Draw() {
  TScreen::Draw();
  if (Finished == 0 || !ClickHereButton) {
    if (LoadingBar) LoadingBar->Draw();
    platform::SetBlend(platform::BLEND_ALPHA);
    if (Finished == 0) DrawLoading(0);
  } else {
    if (LoadingBar && LoadingBar->FinalImage) LoadingBar->Draw();
    Game->Upper->ButtonDraw(*ClickHereButton);
  }
  if (CustomDrawFunction) CustomDrawFunction();
  return 0;
}

int TLoadingScreen::DrawLoading(int flip) {
  if (flip != 0) ccClsNoFlip(0, 0, 0);
  // The loading text shows whatever the music switch says: nothing ties the two together.
  const platform::ImageRef& text =
      LoadingTextImage2 && DrawLoadingTextImage2 != 0 ? LoadingTextImage2 : LoadingTextImage;
  if (text) {
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::DrawImage(text, static_cast<float>(LoadingX), static_cast<float>(LoadingY));
  }
  if (flip != 0) {
    if (Game->FadeMouse == 0) Game->Upper->MouseDraw();
    platform::Flip(1);
  }
  return 0;
}

int TLoadingScreen::Logic() {
  bool leave = true;
  if (ClickHereButton) {
    const int clicks = Game->Upper->MouseGetMh(0);
    Game->Upper->ButtonManage(*ClickHereButton);
    const bool buttonClicked = Game->Upper->ButtonClicked(*ClickHereButton) != 0;
    leave = buttonClicked || clicks != 0;
    if (leave && !buttonClicked) Game->Upper->ButtonPlayClick(*ClickHereButton);
  }
  if (leave) {
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 0, 0);
    Game->DestinationTScreen = Destination;
  }
  return 0;
}

int TLoadingScreen::Kill() {
  TScreen::Kill();
  LoadingBar = nullptr;
  LoadingTextImage2 = nullptr;
  if (ClickHereButton) {
    Game->Upper->ButtonKill(*ClickHereButton);
    ClickHereButton = nullptr;
  }
  if (CustomKillFunction) CustomKillFunction();
  return 0;
}
