#include "util/input.h"

#include <algorithm>

#include "platform/graphics.h"
#include "platform/system.h"

namespace {

bool ValidKey(int code) { return code >= 0 && code < 256; }

// Applies one event to the polled state.
void ApplyPolled(const platform::Event& event) {
  switch (event.kind) {
    case platform::EVENT_KEY_DOWN:
      if (ValidKey(event.data)) {
        ++ccPolled.hits[static_cast<std::size_t>(event.data)];
        ccPolled.down[static_cast<std::size_t>(event.data)] = 1;
      }
      break;
    case platform::EVENT_KEY_UP:
      if (ValidKey(event.data)) ccPolled.down[static_cast<std::size_t>(event.data)] = 0;
      break;
    case platform::EVENT_KEY_CHAR:
      if (ccPolled.chars.size() < 256) ccPolled.chars.push_back(event.data);
      break;
    case platform::EVENT_MOUSE_DOWN:
      if (event.data >= 1 && event.data <= 3) {
        ++ccPolled.mouse_hits[static_cast<std::size_t>(event.data - 1)];
        ccPolled.mouse_down[static_cast<std::size_t>(event.data - 1)] = 1;
      }
      break;
    case platform::EVENT_MOUSE_UP:
      if (event.data >= 1 && event.data <= 3) ccPolled.mouse_down[static_cast<std::size_t>(event.data - 1)] = 0;
      break;
    default:
      break;
  }
}

// In polled mode every query first takes what the platform has queued.
void Pump() {
  if (ccPolledInputState == 0) return;
  platform::Event event;
  while (platform::PollEvent(&event)) ApplyPolled(event);
}

void UpdateMouseTotals() {
  ccMouse.mb = ccMouse.b1 + ccMouse.b2 + ccMouse.b3;
  ccMouse.mh = ccMouse.h1 + ccMouse.h2 + ccMouse.h3;
}

int TakeMouseHit(int button) {
  int& hits = ccPolled.mouse_hits[static_cast<std::size_t>(button - 1)];
  const int count = hits;
  hits = 0;
  return count;
}

}  // namespace

int ccProcessEvent(const platform::Event& event) {
  switch (event.kind) {
    case platform::EVENT_KEY_DOWN:
      if (ValidKey(event.data)) {
        ++Keys[static_cast<std::size_t>(event.data)];
        KeyStates[static_cast<std::size_t>(event.data)] = 1;
      }
      break;
    case platform::EVENT_KEY_UP:
      if (ValidKey(event.data)) KeyStates[static_cast<std::size_t>(event.data)] = 0;
      break;
    case platform::EVENT_KEY_CHAR:
      if (charPut - charGet < 256) {
        charQueue[static_cast<std::size_t>(charPut & 255)] = event.data;
        ++charPut;
      }
      break;
    case platform::EVENT_MOUSE_DOWN:
      ccMouse.x = event.x;
      ccMouse.y = event.y;
      if (event.data == 1) {
        ccMouse.b1 = 1;
        ++ccMouse.h1;
      } else if (event.data == 2) {
        ccMouse.b2 = 1;
        ++ccMouse.h2;
      } else if (event.data == 3) {
        ccMouse.b3 = 1;
        ++ccMouse.h3;
      }
      UpdateMouseTotals();
      break;
    case platform::EVENT_MOUSE_UP:
      ccMouse.x = event.x;
      ccMouse.y = event.y;
      if (event.data == 1) ccMouse.b1 = 0;
      if (event.data == 2) ccMouse.b2 = 0;
      if (event.data == 3) ccMouse.b3 = 0;
      UpdateMouseTotals();
      break;
    case platform::EVENT_MOUSE_MOVE:
      ccMouse.x = event.x;
      ccMouse.y = event.y;
      break;
    case platform::EVENT_MOUSE_WHEEL:
      ccMouse.wheel += event.data;
      break;
    default:
      break;
  }
  return 0;
}

int KeyHit(int code) {
  if (!ValidKey(code)) return 0;
  const auto index = static_cast<std::size_t>(code);
  if (ccPolledInputState != 0) {
    Pump();
    const int hits = ccPolled.hits[index];
    ccPolled.hits[index] = 0;
    return hits;
  }
  if (Keys[index] != 0) {
    Keys[index] = 0;
    return 1;
  }
  return 0;
}

int KeyDown(int code) {
  if (!ValidKey(code)) return 0;
  const auto index = static_cast<std::size_t>(code);
  if (ccPolledInputState != 0) {
    Pump();
    return ccPolled.down[index];
  }
  return KeyStates[index];
}

int GetChar() {
  if (ccPolledInputState != 0) {
    Pump();
    if (ccPolled.chars.empty()) return 0;
    const int c = ccPolled.chars.front();
    ccPolled.chars.pop_front();
    return c;
  }
  if (charGet != charPut) {
    const int c = charQueue[static_cast<std::size_t>(charGet & 255)];
    ++charGet;
    return c;
  }
  return 0;
}

int FlushKeys() {
  if (ccPolledInputState != 0) {
    Pump();
    ccPolled.hits.fill(0);
    ccPolled.down.fill(0);
    ccPolled.chars.clear();
    return 0;
  }
  Keys.fill(0);
  KeyStates.fill(0);
  charGet = 0;
  charPut = 0;
  return 0;
}

int FlushMouse() {
  if (ccPolledInputState != 0) {
    Pump();
    ccPolled.mouse_hits.fill(0);
    ccPolled.mouse_down.fill(0);
    return 0;
  }
  ccMouse.b1 = ccMouse.b2 = ccMouse.b3 = ccMouse.mb = 0;
  ccMouse.h1 = ccMouse.h2 = ccMouse.h3 = ccMouse.mh = 0;
  if (ccFlushMouseHook) ccFlushMouseHook();
  return 0;
}

int KeyPressed() {
  for (int code = 0; code < 256; ++code) {
    if (Keys[static_cast<std::size_t>(code)] == 1) return code;
  }
  return -1;
}

int AnyKeyPressed() { return KeyPressed() >= 0 ? 1 : 0; }

int ccMouseHit() {
  Pump();
  for (int button = 1; button <= 3; ++button) {
    if (TakeMouseHit(button) != 0) return 1;
  }
  return 0;
}

int ccMouseButtons() {
  Pump();
  return TakeMouseHit(1) + TakeMouseHit(2) + TakeMouseHit(3);
}

int ccMouseDown() {
  Pump();
  for (int held : ccPolled.mouse_down) {
    if (held != 0) return 1;
  }
  return 0;
}

int ccMouseDownTotal() {
  Pump();
  int total = 0;
  for (int held : ccPolled.mouse_down) total += held != 0 ? 1 : 0;
  return total;
}

int ccAnyKeyPressed() {
  if (ccPolledInputState != 0) {
    // One pump for all 256 keys: asking the system once per key made every pass of a modal
    // loop hundreds of system calls.
    Pump();
    for (int& hits : ccPolled.hits) {
      if (hits != 0) {
        hits = 0;
        return 1;
      }
    }
    return 0;
  }
  for (int code = 0; code < 256; ++code) {
    if (KeyHit(code) != 0) return 1;
  }
  return 0;
}

int ccQuitRequested() { return platform::QuitPending() ? 1 : 0; }

int ccAnyInput() {
  if (ccAnyKeyPressed() != 0) return 1;
  return ccMouseHit();
}

int ccWaitForKeyOrMouse() {
  ccFlushAll();
  while (ccQuitRequested() == 0 && ccAnyKeyPressed() == 0 && ccMouseHit() == 0) {
    platform::WaitForEvent(10);
    platform::Delay(1);
    if (ccModalLoopHook) ccModalLoopHook();
    // As in the error box: a headless run without a script hook would wait for ever.
    else if (platform::IsHeadless()) break;
  }
  ccFlushAll();
  return 0;
}

int ccWaitForTime(float ms) {
  if (ms < 0) return 0;
  const std::int64_t start = platform::Millisecs();
  double elapsed = 0;
  while (!(elapsed > ms)) {
    elapsed = static_cast<double>(platform::Millisecs() - start);
    if (ccQuitRequested() != 0 || ccMouseButtons() != 0 || ccAnyKeyPressed() != 0) return -1;
    if (elapsed > ms) break;
    platform::WaitForEvent(std::clamp(static_cast<int>(ms - elapsed), 0, 10));
    platform::Delay(1);
    if (ccModalLoopHook) ccModalLoopHook();
  }
  return 0;
}

int ccFlushAll() {
  FlushKeys();
  FlushMouse();
  return 0;
}

int ccEnablePolledInput() {
  ccPolledInputState = 1;
  return 0;
}

int ccDisablePolledInput() {
  ccPolledInputState = 0;
  platform::FlushEvents();
  platform::Event event;
  while (platform::PollEvent(&event)) {
  }
  return 0;
}

int ccMouseShowHide() {
  platform::Event event;
  if (!platform::PollEvent(&event)) return 0;
  if (event.kind == 1030) {
    platform::ShowMouse();
    MouseVisible = 1;
  } else if (event.kind == 1029) {
    platform::HideMouse();
    MouseVisible = 0;
  }
  return 0;
}
