#include "core/fade.h"

#include <algorithm>

#include "core/game.h"
#include "core/globals.h"
#include "platform/system.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"

namespace {

float Now() { return static_cast<float>(platform::Millisecs()); }

}  // namespace

int TFade::Init(float length, platform::ImageRef image, platform::ChannelRef channel) {
  Image = std::move(image);
  Channel = std::move(channel);
  Length = length;
  return Reset();
}

int TFade::Reset() {
  StartTime = Now();
  Elapsed = 0;
  LastTime = StartTime;
  return 0;
}

int TFade::CentreImage() {
  if (!Image) return 0;
  X = (ScreenWidth - Image->Width()) / 2;
  Y = (ScreenHeight - Image->Height()) / 2;
  return 0;
}

int TFade::FadeDo(int out) {
  Out = out;
  ccFlushAll();
  while (Elapsed <= Length) {
    if (ccQuitRequested() != 0 || ccMouseButtons() != 0 || ccAnyKeyPressed() != 0) {
      ccRestoreSolidMode();
      ccFlushAll();
      return -1;
    }
    const float now = Now();
    Elapsed = now - StartTime;
    Ratio = Length > 0 ? std::clamp(Elapsed / Length, 0.0f, 1.0f) : 1.0f;
    if (Out != 0) Ratio = 1.0f - Ratio;
    if (Background) MoveBackground(now, Elapsed);
    Draw();
    if (ccModalLoopHook) ccModalLoopHook();
  }
  ccRestoreSolidMode();
  return 1;
}

int TFade::MoveBackground(float now, float elapsed) {
  const float dt = (now - LastTime) / 1000.0f;
  BackgroundX += BackgroundXSpeed * dt;
  BackgroundY += BackgroundYSpeed * dt;
  BackgroundZoom += BackgroundZoomSpeed * dt;
  if (Out == -1) {
    BackgroundAlpha = 1;
  } else if (Out == 0) {
    BackgroundAlpha = BackgroundFadeTime > 0 ? std::min(1.0f, elapsed / BackgroundFadeTime) : 1.0f;
  } else if (Out == 1) {
    BackgroundAlpha =
        BackgroundFadeTime > 0
            ? std::max(0.0f, 1.0f - (elapsed - (Length - BackgroundFadeTime)) / BackgroundFadeTime)
            : (elapsed >= Length ? 0.0f : 1.0f);
  }
  LastTime = now;
  return 0;
}

int TFade::WaitForTime(float time) {
  Out = -1;
  Reset();
  Ratio = 1;
  while (Elapsed <= time) {
    const float now = Now();
    Elapsed = now - StartTime;
    if (ccQuitRequested() != 0 || ccMouseButtons() != 0 || ccAnyKeyPressed() != 0) return -1;
    if (Background) MoveBackground(now, Elapsed);
    Draw();
    if (ccModalLoopHook) ccModalLoopHook();
  }
  return 0;
}

int TFade::Draw() {
  ccClsNoFlip(0, 0, 0);
  if (Background) {
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetScale(BackgroundZoom, BackgroundZoom);
    platform::SetAlpha(BackgroundAlpha);
    platform::DrawImage(Background, -BackgroundX * BackgroundZoom, -BackgroundY * BackgroundZoom);
    platform::SetScale(1, 1);
  }
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetAlpha(Ratio);
  if (Image) platform::DrawImage(Image, static_cast<float>(X), static_cast<float>(Y));
  platform::SetAlpha(1.0f);
  if (Channel && Game) Channel->SetVolume(Ratio * static_cast<float>(Game->SoundVolume) / 100.0f);
  ccFlip();
  return 0;
}

int TFade::Full() {
  Ratio = 1;
  return Draw();
}

int TFade::Zero() {
  Ratio = 0;
  return Draw();
}
