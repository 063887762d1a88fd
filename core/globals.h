#pragma once
// The application core's named globals, defined in core/globals.cpp. The logical screen size
// (ScreenWidth, ScreenHeight) and the progress code DebugInt live with the utility library
// (util/globals.h), which the core includes.

#include <memory>
#include <string>

#include "util/globals.h"

class TGame;

// The one application object. Owner: the entry makes it before anything that reads settings or
// paths and drops it after the orderly end.
extern std::shared_ptr<TGame> Game;
// The share of a logic tick that the current logic step stands for: 1 for each whole tick, the
// remainder for the last step of a frame. Owner: the fixed-rate timer (TFixedRateLogic::SetDelta).
extern float Delta;
// The standard screen fade in ms. Starts at 500; the entry sets 300 before anything reads it.
extern int FADE_SPEED;
// The product's full name, used as the window title; the entry appends its credit suffix.
extern std::string FULLNAME;
