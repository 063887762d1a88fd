#include "core/fps_counter.h"

#include "platform/graphics.h"
#include "platform/system.h"

int TFPSCounter::Init() {
  counter = 0;
  time = static_cast<int>(platform::Millisecs());
  framerate = 0;
  minimum = 999;
  return TTrackingVar::Init();
}

int TFPSCounter::Display(int x, int y) {
  platform::DrawText(GetDisplay(), static_cast<float>(x), static_cast<float>(y));
  return 0;
}

std::string TFPSCounter::GetDisplay() {
  auto pad = [this](int value) {
    std::string text = std::to_string(value);
    while (static_cast<int>(text.size()) < displayLimitChars) text.insert(text.begin(), '0');
    return text;
  };
  return Label + pad(current) + "/" + pad(minimum);
}

int TFPSCounter::Calc() {
  ++counter;
  if (platform::Millisecs() > time + 1001) {
    framerate = counter;
    counter = 0;
    time = static_cast<int>(platform::Millisecs());
    if (framerate > maximum) maximum = framerate;
    if (framerate < minimum) minimum = framerate;
    current = framerate;
  }
  return 0;
}
