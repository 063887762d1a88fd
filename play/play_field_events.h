#pragma once
// The play screen's side of what the play field reports (cards/field_events.h: sounds of the
// announcer, signs and particles, the HUD's run and irons, button states, tip dialogs and the wild
// shot dialog) and of what the player's records ask and tell (progress/progress_events.h: the
// player of the round, the overlays that hold the clock, the HUD's saved run, reward dialogs), all
// through the screens' globals (GameScreen, HUD, WildShotScreen, ScoreCardScreen, ...).

#include "cards/field_events.h"
#include "progress/progress_events.h"

// The one instance of each; play/globals.cpp installs them when the program starts.
TFieldEvents& PlayFieldEvents();
TProgressEvents& PlayProgressEvents();
