#pragma once
// The screen shown while the game data load outside the main loop, and afterwards the screen that
// waits for a click before the title (one instance, Game->LoadingScreen). Loading code advances it
// with TGame::MoveBar after each step: one bar step, and a frame drawn and flipped when one is due.

#include <functional>
#include <memory>
#include <string>

#include "core/screen.h"

class TButton;
class TLoadingBar;

class TLoadingScreen : public TScreen {
 public:
  TLoadingScreen();

  std::shared_ptr<TLoadingBar> LoadingBar;
  std::shared_ptr<TButton> ClickHereButton;  // shown once loading has finished
  int Finished = 0;
  platform::ImageRef LoadingTextImage;  // centred on (LoadingX, LoadingY)
  int LoadingX = 0, LoadingY = 0;
  int DrawLoadingTextImage2 = 0;
  platform::ImageRef LoadingTextImage2;
  std::function<int()> CustomDrawFunction;  // run at the end of every Draw
  std::function<int()> CustomKillFunction;  // run at the end of Kill

  int Kill() override;
  // Waits for a click (or leaves at once without a button), then fades out to Destination.
  int Logic() override;
  int Draw() override;

  // Background, optional bar (with "empty." and "final." variants when their files exist) and the
  // loading text, all below Game->ImagePath; stops any wanted music. Fatal when a file is missing.
  int SpecialLoad(const std::string& background, const std::string& bar, const std::string& text);
  int SetSteps(int n);
  int SetClickHereButton(const std::string& image, const std::string& mouseOverImage,
                         const std::string& mouseOverSound, const std::string& clickSound, int y);
  // Draws the loading text; with flip non-zero first clears the screen and afterwards flips.
  int DrawLoading(int flip);
  int Progress();
};
