#pragma once
// The program's start-up sequence and main loop. The game layer hands in the steps that need the
// layers above the core (the pointer, the channel pool, the banks and screens, the first loading
// stage, the orderly end); RunEntry calls them at their places in the start-up order and returns
// the process exit status: 0 after an orderly end, non-zero after a fatal error or when a save was
// refused while the game quit.

#include <functional>
#include <string>

struct TEntrySteps {
  // Right after Game is made: installs Game->Upper and Game->Mouse (the layers above).
  std::function<void()> InstallUpperLayer;
  // After the channel pool size is set: Game->ChannelsCreate(16) is run by the core itself; this
  // runs after the debug position, escape sound and key switches, with FADE_SPEED already set:
  // installs the profile hook and creates the banks and the sixteen screens.
  std::function<void()> CreateBanksAndScreens;
  // The first loading stage (makes a screen current). Returns 0.
  std::function<int()> LoadData;
  // The orderly end (writes the clean-exit marker, releases Game's channels). Returns 0.
  std::function<int()> Shutdown;
  // Called once after every drawn frame (tests use it to script input and the clock); returning
  // false ends the loop as an orderly quit would not: the entry then returns 2 without Shutdown.
  std::function<bool()> AfterFrame;
};

// Runs the whole program. Returns the exit status.
int RunEntry(const TEntrySteps& steps);

// The entry's report of the window's display lost (the X server killed or restarted, a logout, a
// dropped forwarded connection), installed with platform::OnDisplayLost while the main loop runs:
// the error log names `reason` first, then a card on its way lands, then the round in play is
// saved as before any fatal error; nothing is shown. Returns once the report is made, whatever it
// met; the platform then ends the program with status 1.
void ReportLostDisplay(const std::string& reason);
