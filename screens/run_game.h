#pragma once
// The game layer's side of the program entry: the steps of the start-up that need the layers
// above the core, and the whole run.

#include "core/entry.h"

// Installs the real pointer (Game->Mouse) and the core's window onto gfx and ui (Game->Upper).
void InstallGameUpperLayer();
// The profile hook, the image and sound banks, and the sixteen screens, in their order.
void CreateGameBanksAndScreens();
// The start-up steps of the real game: the two above, the first loading stage and the orderly end.
TEntrySteps GameEntrySteps();
// Runs the game; returns the process exit status (0 after an orderly end).
int RunGame();
