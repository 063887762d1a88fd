#pragma once
// The options page: one slider for the sound-effect and music volume together, one for the
// announcer's speech (with a spoken test phrase), one for the particle detail, a full-screen toggle,
// a button to the credits page and OK. Changes apply to Game at once; the settings file is written
// when the page is left through OK, Enter or Escape (and by the full-screen switch itself). The
// opener sets Destination (the title, or the play screen kept alive) before switching here.

#include <array>
#include <memory>
#include <string>

#include "core/screen.h"
#include "platform/audio.h"

class TButton;
class TGameSound;
class TSlider;

class TOptionsScreen : public TScreen {
 public:
  TOptionsScreen();
  ~TOptionsScreen() override;

  std::shared_ptr<TSlider> SoundSlider;
  std::shared_ptr<TSlider> AnnouncerSlider;
  std::shared_ptr<TSlider> DetailSlider;
  platform::ChannelRef ChannelClick;  // the page's own channel for the volume-test click
  std::shared_ptr<TGameSound> Testing;
  std::array<std::string, 4> Labels{};  // "Volume", "Announcer", "Details", "Full Screen"
  // 1 once Close ran on this visit, so OK and Escape in one tick close only once.
  int Closing = 0;

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  int SetEscDestination() override;

  // Adds the toggle button `name` showing "on" or "off".
  virtual int LoadToggle(int state, const std::string& name);
  // Writes the settings and leaves for Destination, once per visit.
  virtual int Close();
  // The OK button's click on the page's own channel, unless that channel still plays.
  virtual int ClickSound();
  // Shows an existing toggle button in a new state, keeping its place, name and sounds.
  virtual int ReloadToggleButton(const std::shared_ptr<TButton>& button, int state,
                                 const std::string& name);
};
