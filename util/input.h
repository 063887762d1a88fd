#pragma once
// Keyboard and mouse state. Two modes:
// - event-driven (ccPolledInputState 0): the application core's main loop drains
//   platform::PollEvent once per logic step and hands each event to ccProcessEvent, which fills
//   Keys, KeyStates, the character ring (util/globals.h) and ccMouse; nothing else polls.
// - polled (ccPolledInputState 1), for blocking loops outside the main loop (the error box, the
//   splash screens, waiting dialogs): every query first pumps the platform's pending events into
//   a separate polled state and reads that.
// Key codes are 0..255; any other code is ignored (never used as an index).

#include "platform/input.h"
#include "util/globals.h"

// The event-driven mouse state `ccMouse` and `ccFlushMouseHook` are in util/globals.h.

// The key codes the game asks for by name (letters are asked for as 'A'..'Z').
using platform::KEY_DOWN;
using platform::KEY_ENTER;
using platform::KEY_ESCAPE;
using platform::KEY_LALT;
using platform::KEY_LCONTROL;
using platform::KEY_LEFT;
using platform::KEY_RALT;
using platform::KEY_RCONTROL;
using platform::KEY_RIGHT;
using platform::KEY_SPACE;
using platform::KEY_UP;

// Event-driven entry: records one event. Key down adds a hit and sets the held state; key up
// clears it; a character goes into the ring while fewer than 256 are unread; mouse events update
// ccMouse. Other kinds are ignored. Returns 0.
int ccProcessEvent(const platform::Event& event);

// 1 when the key was hit since last read (several hits count as one), consuming it; else 0.
int KeyHit(int code);
// The held state of the key.
int KeyDown(int code);
// The next typed character, 0 when none.
int GetChar();
// Drop all key hits, held states and typed characters of the current mode. Returns 0.
int FlushKeys();
// Drop all mouse buttons and hits of the current mode. Returns 0.
int FlushMouse();
// On the event-driven Keys array whatever the mode, consuming nothing: the lowest code whose
// entry is exactly 1, else -1; and 1 when any entry is exactly 1.
int KeyPressed();
int AnyKeyPressed();

// Polled mouse (meaningful while polled input is on): 1 for a hit on button 1, else 2, else 3
// (each button asked is consumed; later ones are not asked); the sum of the three hit counts (all
// consumed); 1 when any button is held; the number held.
int ccMouseHit();
int ccMouseButtons();
int ccMouseDown();
int ccMouseDownTotal();

// KeyHit for codes 0..255 in turn; 1 at the first hit (only that key consumed), else 0.
int ccAnyKeyPressed();
// 1 while a quit request (window closed, SIGTERM) is pending, else 0; takes nothing. Every modal
// or polled loop ends on it and leaves it pending for the main loop, which handles it.
int ccQuitRequested();
// ccAnyKeyPressed, or when no key, ccMouseHit.
int ccAnyInput();
// ccFlushAll, waits for a key or click (or a pending quit), ccFlushAll. Returns 0.
int ccWaitForKeyOrMouse();
// Waits up to `ms` milliseconds for input: -1 as soon as a click or key arrives or a quit is
// pending, 0 when the time has passed (at once for a negative `ms`).
int ccWaitForTime(float ms);
// FlushKeys then FlushMouse. Returns 0.
int ccFlushAll();
// Switch to polled input / back to event-driven input. Switching back drops every event queued
// meanwhile, so nothing that arrived during a modal loop reaches the main loop. Return 0.
int ccEnablePolledInput();
int ccDisablePolledInput();
// Takes one event from the queue: the pointer leaving the window (1030) shows the system pointer,
// entering it (1029) hides it; anything else taken is dropped. Returns 0.
int ccMouseShowHide();
