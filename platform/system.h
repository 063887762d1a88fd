#pragma once
// System services: start-up of the layer, clocks, local date and time, random numbers, alerts and
// the two folders the game knows (the read-only data folder and the per-user folder).

#include <cstdint>
#include <cstddef>
#include <string>

namespace platform {

// Chooses the back-ends before anything is opened. Headless: SDL's software renderer on an
// off-screen surface, silent recording audio, scripted events only, and the manual clock.
// Defaults to the real back-ends.
void SetHeadless(bool headless);
bool IsHeadless();

// Milliseconds since the layer started. Real: SDL's clock. Headless: a manual clock that only
// moves when a test advances it.
std::int64_t Millisecs();
void AdvanceManualClock(std::int64_t ms);
void SetManualClock(std::int64_t ms);
void Delay(int ms);  // sleeps (headless: advances the manual clock instead)

// Local date and time as numbers; never through the C locale's names.
struct LocalDateTime {
  int year = 2000, month = 1, day = 1;       // month 1..12
  int hour = 0, minute = 0, second = 0;
  int weekday = 0;                           // 0 Sunday .. 6 Saturday
};
LocalDateTime Now();
// Tests can pin the date and time (until cleared with `pinned` false).
void PinNow(const LocalDateTime& when, bool pinned = true);

// A modal alert: an SDL message box over the game window, or before any window exists; standard
// error when there is no display (or headless). Returns when the player has closed it.
void Alert(const std::string& title, const std::string& message);
// The message as the alert box shows it: the box draws every line whole however wide, so a long
// line (a path and the system's reason) is broken at spaces into lines of at most `width`
// characters; a word longer than that keeps a line of its own.
std::string AlertText(const std::string& message, std::size_t width = 80);

// The folder holding "Data/" with a trailing slash: $QUILLBROOK_DATA when set, else the folder of
// the executable.
std::string DataPrefix();
// The per-user folder base: $XDG_DATA_HOME or ~/.local/share, with a trailing slash. The game adds
// "Marrowfen/Quillbrook/".
std::string UserDataFolder();
// Folder of the running executable, with a trailing slash.
std::string ExecutableFolder();

}  // namespace platform
