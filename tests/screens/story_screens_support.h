#pragma once
// The real game over the staged data folder, headless, for the intro, newspaper and ending tests:
// whole logic steps of Delta 1 through the game's own logic step, scripted input and what the
// silent audio layer saw.

#include <gtest/gtest.h>

#include <string>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "tests/content/real_game.h"
#include "util/error.h"

namespace story_test {

// Skips the test when the data folder has not been built.
inline bool StartGame(int intro_show) {
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) return false;
  ccGraphicalErrors = 0;
  StartGameForLoading(prefix, intro_show);
  // The loading runs without fades (the splashes wait on a clock that stands still); the screens
  // under test fade as the game's settings do by default.
  Game->Fade = 1;
  Game->Particles = 80;
  Delta = 1.0f;
  EffectsRandom.Seed(2026);
  platform::ClearAudioLog();
  return true;
}

// One logic step of the game (input pump, fade, screen switch, the current screen's logic).
inline int Step() {
  Delta = 1.0f;
  return Game->LogicWrapper();
}

inline void Push(int kind, int data, int x = 400, int y = 300) {
  platform::Event event;
  event.kind = kind;
  event.data = data;
  event.x = x;
  event.y = y;
  platform::PushEvent(event);
}
inline void Click(int button = 1) {
  Push(platform::EVENT_MOUSE_DOWN, button);
  Push(platform::EVENT_MOUSE_UP, button);
}
inline void Key(int code) {
  Push(platform::EVENT_KEY_DOWN, code);
  Push(platform::EVENT_KEY_UP, code);
}

// How often a sound file was started on any channel since the log was last cleared.
inline int Starts(const std::string& file) {
  int n = 0;
  for (const auto& record : platform::AudioLog())
    if ((record.what == "cue" || record.what == "play") && record.sound == file) ++n;
  return n;
}

// True when `file` was stopped before anything was loaded (in the log since it was cleared): the
// sign that the intro silenced its music itself before the second loading stage ran.
inline bool StoppedBeforeLoading(const std::string& file) {
  for (const auto& record : platform::AudioLog()) {
    if (record.what == "load") return false;
    if (record.what == "stop" && record.sound == file) return true;
  }
  return false;
}

}  // namespace story_test
