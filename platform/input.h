#pragma once
// Input events from the window, turned into the event kinds and 0..255 virtual key codes the game
// uses. The main loop drains them once per logic tick; nothing else polls the system.

#include <cstdint>

namespace platform {

enum EventKind : int {
  EVENT_NONE = 0,
  EVENT_APP_SUSPEND = 257,     // window lost focus / minimised
  EVENT_APP_RESUME = 258,      // focus back
  EVENT_APP_TERMINATE = 259,   // quit request (window closed)
  EVENT_KEY_DOWN = 513,        // no key repeat
  EVENT_KEY_UP = 514,
  EVENT_KEY_CHAR = 515,        // data: a 16-bit character
  EVENT_MOUSE_DOWN = 1025,     // data: 1 left, 2 right, 3 middle
  EVENT_MOUSE_UP = 1026,
  EVENT_MOUSE_MOVE = 1027,
  EVENT_MOUSE_WHEEL = 1028,    // data: +1 away from the user, -1 towards
};

// Virtual key codes (0..255). Letters are their capital ASCII codes, digits their ASCII codes.
enum Key : int {
  KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_PAUSE = 19, KEY_ESCAPE = 27, KEY_SPACE = 32,
  KEY_PAGEUP = 33, KEY_PAGEDOWN = 34, KEY_END = 35, KEY_HOME = 36,
  KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40,
  KEY_INSERT = 45, KEY_DELETE = 46,
  KEY_0 = 48, KEY_9 = 57, KEY_A = 65, KEY_Z = 90,
  KEY_NUM0 = 96, KEY_NUM9 = 105, KEY_NUMMULTIPLY = 106, KEY_NUMADD = 107, KEY_NUMSUBTRACT = 109,
  KEY_NUMDECIMAL = 110, KEY_NUMDIVIDE = 111,
  KEY_F1 = 112, KEY_F12 = 123,
  KEY_LSHIFT = 160, KEY_RSHIFT = 161, KEY_LCONTROL = 162, KEY_RCONTROL = 163, KEY_LALT = 164,
  KEY_RALT = 165,
  KEY_TILDE = 192, KEY_MINUS = 189, KEY_EQUALS = 187, KEY_COMMA = 188, KEY_PERIOD = 190,
  KEY_SLASH = 191, KEY_SEMICOLON = 186, KEY_QUOTES = 222, KEY_OPENBRACKET = 219,
  KEY_BACKSLASH = 220, KEY_CLOSEBRACKET = 221,
};
constexpr int KEY_COUNT = 256;

struct Event {
  int kind = EVENT_NONE;
  int data = 0;  // key code, character, mouse button or wheel steps
  int x = 0;     // mouse position in logical pixels at the time of the event (unclamped)
  int y = 0;
};

// Takes the next pending event; false when there is none. The real back-end pumps SDL; the
// headless one returns what tests pushed.
bool PollEvent(Event* event);
// Adds an event at the end of the queue (scripted input in tests; also works with the real back-end).
void PushEvent(const Event& event);
// Drops every pending event. A quit request among them stays pending (see QuitPending).
void FlushEvents();
// Waits up to `timeout_ms` for an event to be pending, without taking it: true when one is.
// Modal loops wait here instead of spinning. Headless, it never waits (there is no one to send
// an event but the test itself).
bool WaitForEvent(int timeout_ms);

// A quit request (the window closed, SIGTERM, SIGINT) is never lost: once one arrives it stays
// pending, whichever loop read or flushed the event queue meanwhile, until the main loop takes it.
// QuitPending looks at the system's events first and takes nothing; modal loops end on it.
bool QuitPending();
// True once per request: takes the pending quit (the main loop's part).
bool TakeQuitRequest();
// Makes SIGHUP (a closed terminal, a logout) and SIGQUIT do whatever SIGTERM does at that moment:
// before the event system is up the program ends as SIGTERM ends it; from then on each is a quit
// request. Called once, at the start of the run.
void CatchQuitSignals();
// The last known mouse position in logical pixels (updated by PollEvent and MoveMouse).
int MouseX();
int MouseY();
// Whether a key is held down right now according to the events seen so far.
bool KeyIsDown(int key);
// Text input (characters) on or off; on by default.
void EnableTextInput(bool on);

// Maps an SDL key code (as an int, so this header needs no SDL) to a virtual key; -1 when the key
// has no code in 0..255 and must be dropped. Exposed for tests.
int MapSdlKeycode(int sdl_keycode);

}  // namespace platform
