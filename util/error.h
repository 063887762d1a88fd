#pragma once
// Error reporting: the one routine every fatal failure goes through, the error log
// "ErrorLog.txt", the in-game message box and the entry's last-resort handler.

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

// Thrown by ccRunTimeError for a fatal error once the message has been logged and shown. The
// program entry catches it and ends with a non-zero exit status; tests catch it with EXPECT_THROW.
class ccFatalError : public std::runtime_error {
 public:
  explicit ccFatalError(const std::string& message) : std::runtime_error(message) {}
};

// Thrown by a long loading step that finds a quit pending (the loading screen checks between its
// steps), so a quit during loading ends the program cleanly at once: the entry catches it and
// shuts down as after the main loop, with the clean-exit marker and status 0.
class ccQuit : public std::exception {
 public:
  const char* what() const noexcept override { return "quit"; }
};

// Reports `message`:
// 1. when ccWriteErrors is set, replaces ccErrorPath + "ErrorLog.txt" with the three lines
//    "Date: dd Mon yyyy", "Time: hh:mm:ss" and the message (written first, so a hung box or a
//    killed process still leaves it); a log that cannot be written (its folder moved away, a full
//    disk) does not take the message with it: it goes to standard error with the log's reason;
// 2. for a fatal error, calls ccFatalErrorHook (the game saves the round in progress);
// 3. shows the message: in the in-game box (ccDialogOK, 600 x 100, taller for a longer message)
//    when ccGraphicalErrors is set and the window is open, else in the system alert;
// 4. when `fatal` is non-zero throws ccFatalError(message); otherwise returns 0.
// From its hook until its box closes, a fatal error's log is the base of every further report
// (a save that fails in the hook, the display lost while the box is up): their lines are added
// after the fatal error's instead of replacing them, so the log names the first cause first.
int ccRunTimeError(const std::string& message, int fatal);

// As ccRunTimeError(message, 1), with `settle` run once the log holds the message and before
// ccFatalErrorHook saves: a report whose settling may end the program at once (play brought to
// rest without a display) leaves its cause on record first. Throws ccFatalError.
[[noreturn]] void ccRunTimeErrorSettledFirst(const std::string& message,
                                             const std::function<void()>& settle);

// Reports a save the game refused (a player's file that could not be written) as ccRunTimeError
// reports a warning. A quit under way ends the box at once, so the player would never see it:
// the message then also goes to standard error, and the refusal is counted for the entry, which
// ends the program with a non-zero status. Returns 0.
int ccSaveRefused(const std::string& message);

// The saves refused while a quit was under way since the last call; the count starts again at 0.
int ccTakeRefusedQuitSaves();

// The entry's last-resort handler for what escaped the main loop: leaves the graphics mode, shows
// the system pointer and shows the error in the system alert. A std::exception's text is prefixed
// with "(" + DebugInt + ") " when DebugInt is non-zero; anything else is shown as
// "Unknown error". Returns 0.
int HandleGeneralError(std::exception_ptr thrown);

// Modal message box of width x height pixels centred on the logical screen: the text wrapped to
// width - 20 in the default font (a word wider than that, such as a long path, broken) and
// "<press any key>" under it. A box too low for its lines grows around them, at most to the
// screen's height (lines past that are cut, the last shown as "..."). Returns 0 on the first key
// press or click after it started (input pending when it starts is dropped, and so is the input
// that closes it), or at once when a quit request is pending, which it leaves pending for the main
// loop. It redraws once a second and sleeps between, waiting for input.
// Callers switch to polled input before it (ccEnablePolledInput) and back after it.
int ccDialogOK(const std::string& text, int width, int height);
