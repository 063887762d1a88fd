#include "core/game_fade.h"

#include <algorithm>

#include "core/game.h"
#include "core/globals.h"
#include "core/screen.h"
#include "core/upper_layer.h"
#include "platform/graphics.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"

int TGameFade::Init(float ms, int out, platform::ChannelRef channel, int allowAnim,
                    float startCounter) {
  if (Active == 1) return 0;
  // A length of 0 asks for the standard fade; a fade always lasts at least one tick, so the
  // ratio never divides by zero.
  if (ms <= 0) ms = static_cast<float>(FADE_SPEED);
  Length = std::max(1, static_cast<int>(Game->CalcAnimLength(static_cast<int>(ms))));
  Counter = startCounter;
  Active = 1;
  Out = out;
  ccFlushAll();
  Done = 0;
  Channel = std::move(channel);
  Channel2 = nullptr;
  AllowAnim = allowAnim;
  FadeInAborted = 0;
  FadeCounterBeforeAbort = 0;
  SetToFullOnAbort = 1;
  AbortKey = -1;
  if (out != 0) Game->FadeMusic = 1;
  Ratio = out != 0 ? 1.0f : 0.0f;
  if (startCounter > 0) CalcRatio();
  if (Game->Fade == 0 || Game->NoFade == 1) Finish();
  return 1;
}

int TGameFade::Finish() {
  Active = 0;
  Done = 1;
  if (Out != 0) {
    Ratio = 0;
  } else {
    if (SetToFullOnAbort != 0) Ratio = 1;
    if (FadeInAborted != 0) FadeCounterBeforeAbort = Counter;
  }
  FadeChannels();
  if (Channel2) {
    if (Channel2IsGameChannelArray != 0 && Game->Channels) {
      Game->Upper->StopGameChannel(*Game->Channels, Channel2);
    } else if (auto audio = Game->Upper->GameChannelAudio(*Channel2)) {
      audio->Stop();
    }
  }
  Game->SpeechStop();
  if (Out != 0) {
    if (Game->Fade != 0 && Game->NoFade == 0 && platform::GraphicsIsOpen()) {
      ccClsNoFlip(0, 0, 0);
      if (Game->FadeMouse == 0) Game->Upper->MouseDraw();
      platform::Flip(1);
    }
  } else if (Game->CurrentTScreen) {
    Game->CurrentTScreen->PostFadeIn();
  }
  Game->NoFade = 0;
  ccFlushAll();
  return 0;
}

int TGameFade::Manage() {
  if (Active == 0) return 0;
  const int key = KeyPressed();
  const int clicks = Game->Upper->MouseGetMh(1);
  if (clicks != 0 || key != -1) {
    if (Out == 0) {
      FadeInAborted = 1;
      AbortKey = key;
    }
    Finish();
    return -1;
  }
  Counter += Delta;
  CalcRatio();
  FadeChannels();
  if (Counter >= static_cast<float>(Length)) {
    Finish();
    return 1;
  }
  return 0;
}

int TGameFade::CalcRatio() {
  Ratio = Length > 0 ? Counter / static_cast<float>(Length) : 1.0f;
  Ratio = std::clamp(Ratio, 0.0f, 1.0f);
  if (Out != 0) Ratio = 1.0f - Ratio;
  return 0;
}

int TGameFade::FadeChannels() {
  if (Channel) Channel->SetVolume(Ratio * static_cast<float>(Game->MusicVolume) / 100.0f);
  if (Channel2) {
    if (auto audio = Game->Upper->GameChannelAudio(*Channel2)) {
      audio->SetVolume(Ratio * static_cast<float>(Game->SoundVolume) / 100.0f);
    }
  }
  if (Game->SpeechChannel) {
    Game->SpeechChannel->SetVolume(Ratio * static_cast<float>(Game->SpeechVolume) / 100.0f);
  }
  return 0;
}

int TGameFade::Draw() {
  if (Active == 0) return 0;
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetAlpha(1.0f - Ratio);
  platform::SetColor(0, 0, 0);
  platform::DrawRect(0, 0, static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight));
  platform::SetAlpha(1.0f);
  platform::SetColor(255, 255, 255);
  return 0;
}

int TGameFade::GetDone() {
  if (Done != 0) {
    Done = 0;
    return 1;
  }
  return 0;
}
