#pragma once
// The utility library's named globals. Each is defined in util/globals.cpp, lives for the whole
// run and starts at the value given here. They are plain values read and written by one thread.

#include <array>
#include <deque>
#include <memory>
#include <string>

class ccImageFont;

// ---- Logical screen ------------------------------------------------------------------------

// Size of the logical screen in pixels. Owner: the application core sets them at start-up
// (800 x 600) before the graphics mode opens; the drawing helpers centre on them.
extern int ScreenWidth;
extern int ScreenHeight;

// ---- Error reporting -------------------------------------------------------------------------

// Non-zero: errors are shown in the in-game box once a window exists; 0: in the system alert.
// Owner: the entry sets it to 0 early in start-up and to 1 just before the graphics mode opens.
extern int ccGraphicalErrors;
// Non-zero: ccRunTimeError writes "ErrorLog.txt". Starts at 1; nothing changes it.
extern int ccWriteErrors;
// Folder of the error log, ending in "/". Set by the application object to its per-user folder;
// while it is empty the log's bare file name is used (the working folder).
extern std::string ccErrorPath;
// Progress code written by start-up before each step (and by the loop while it runs); the
// last-resort handler puts it in front of the message of an unexpected error.
extern int DebugInt;

// ---- Shadowed text -----------------------------------------------------------------------------

// Offset of the drop shadow of text, in pixels (positive: right and down).
extern float ccShadowTextDepthX;  // 1.0
extern float ccShadowTextDepthY;  // 1.0
// Factor of the shadow's alpha (the shadow is drawn at ccShadowTextAlpha * ccTextAlpha).
extern float ccShadowTextAlpha;  // 0.5
// Alpha of shadowed text; fonts, dialogs and widgets set it before they draw text.
extern float ccTextAlpha;  // 1.0

// The current image font (util/text_draw.h): set through ccSetImageFont; null means the drawing
// layer's built-in default font.
extern std::shared_ptr<ccImageFont> ccCurrentImageFont;

// ---- Drawing -----------------------------------------------------------------------------------

// Sync argument of every ccFlip: 1 waits for the vertical blank. The core sets it from the
// vertical-sync setting.
extern int ccFlipSync;  // 1

// ---- Keyboard and mouse state (filled by ccProcessEvent, see util/input.h) ------------------

// Unread hits per key code: +1 on every key-down event; KeyHit clears an entry.
extern std::array<int, 256> Keys;
// 1 while the key is held (key-down sets, key-up clears).
extern std::array<int, 256> KeyStates;
// Ring of typed characters (character codes); the next one goes to charPut AND 255 and is read
// from charGet AND 255. At most 256 unread characters; further typing is dropped.
extern std::array<int, 256> charQueue;
extern int charPut;
extern int charGet;
// 0: the functions of util/input.h read the arrays above; 1: they read the polled input that the
// library pumps itself from the platform's event queue (modal loops outside the main loop).
extern int ccPolledInputState;
// Kept by ccMouseShowHide: 1 after it showed the system pointer, 0 after it hid it.
extern int MouseVisible;

// Mouse state of the event-driven mode, filled by ccProcessEvent (util/input.h).
// Mouse buttons as the event pump records them (buttons 1 left, 2 right, 3 middle). The ui's
// mouse pointer reads these; FlushMouse clears them (and calls ccFlushMouseHook when set).
struct ccMouseState {
  int x = 0, y = 0;          // last position in logical pixels
  int b1 = 0, b2 = 0, b3 = 0, mb = 0;  // held flags and their total
  int h1 = 0, h2 = 0, h3 = 0, mh = 0;  // hits (presses) not yet consumed and their total
  int wheel = 0;             // wheel steps since last cleared (+ away from the user)
};
extern ccMouseState ccMouse;
// State of the polled mode: what the library pumped itself from the platform's event queue while
// ccPolledInputState is 1 (see util/input.h).
struct ccPolledInput {
  std::array<int, 256> hits{};   // key hits not yet read
  std::array<int, 256> down{};   // keys held
  std::deque<int> chars;         // typed characters not yet read
  std::array<int, 3> mouse_hits{};  // buttons 1..3
  std::array<int, 3> mouse_down{};
};
extern ccPolledInput ccPolled;
// Called by FlushMouse in event-driven mode after ccMouse is cleared (the ui's pointer clears its
// own buttons there). nullptr by default.
extern void (*ccFlushMouseHook)();

// Called once per pass of the library's blocking loops (ccDialogOK, ccWaitForKeyOrMouse,
// ccWaitForTime, ccFadeScreen), after the pass's flip: headless tests use it to script input and
// move the manual clock. nullptr in the game.
extern void (*ccModalLoopHook)();

// Called by ccRunTimeError for a fatal error, after the error log is written and before the
// message is shown: the game saves the round in progress there, so a damaged data file met in the
// middle of a round never costs a played hole. Not called again for a fatal error raised while it
// runs. nullptr until the game installs it.
extern void (*ccFatalErrorHook)();

// ---- Game clock as seen by the library's timers (util/animation.h) ------------------------

// The library sits below the application core, which owns the clock. The core installs these at
// start-up: `ccCalcAnimLengthHook` turns milliseconds into logic ticks (TGame::CalcAnimLength)
// and `ccDeltaSource` points at the core's `Delta` (1 for a whole tick, the remainder for the
// last part tick). Until then a tick is 5 ms and the delta is 1.0. Tests may install their own.
extern float (*ccCalcAnimLengthHook)(int ms);
extern const float* ccDeltaSource;
