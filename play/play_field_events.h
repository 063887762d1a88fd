#pragma once
// The play screen's side of what the play field reports (cards/field_events.h): sounds of the
// announcer, signs and particles, the HUD's run and irons, button states, tip dialogs and the wild
// shot dialog, all through the play screen's globals (GameScreen, HUD, WildShotScreen).

#include "cards/field_events.h"

// The one instance; play/globals.cpp installs it when the program starts.
TFieldEvents& PlayFieldEvents();
