#pragma once
// Helpers for tests that drive code headless: scripted input, the manual clock, the off-screen
// screen and its pixels. Every test executable runs with the platform headless (see test_main.cpp).

#include <sys/types.h>

#include <string>

#include "platform/graphics.h"
#include "platform/input.h"

namespace quill_test {

// Opens the 800 x 600 off-screen target (replacing any open one) with a clean drawing state.
void OpenScreen();
// The pixel (0xAARRGGBB) of the logical screen at (x, y); 0 outside it.
platform::Argb ScreenPixel(int x, int y);
// Writes the whole logical screen to `path` as a PNG (for looking at a failing test).
bool SaveScreen(const std::string& path);

// Queues input as the window would deliver it.
void PushKey(int key);             // key down then key up
void PushKeyDown(int key);
void PushKeyUp(int key);
void PushText(const std::string& utf8);  // one character event per code point
void PushMouseMove(int x, int y);
void PushClick(int x, int y, int button = 1);  // move, button down, button up
void PushEventKind(int kind, int data = 0);    // suspend, resume, quit request ...

// Queues one event of any kind at (x, y).
void PushEventAt(int kind, int data, int x = 400, int y = 300);

// A press now, its release queued later (the play field reads the held button between them).
void PressAt(int x, int y);
void ReleasePending();

// The ordinary user (nobody) a test run as root acts as, where a file's rights must hold.
uid_t PlayerUid();
gid_t PlayerGid();

// Moves the manual clock.
void AdvanceClock(int ms);
// For a blocking loop's hook: moves the clock by `ms`, and every 1000th call presses Space, so a
// box still open after 1000 passes closes and the test fails instead of hanging.
void AdvanceModalClock(int ms);

// A fresh folder under the test's temporary per-user folder, with a trailing slash.
std::string TempFolder(const std::string& name);
// A file's bytes as they stand; "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace quill_test
