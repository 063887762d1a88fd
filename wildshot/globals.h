#pragma once
// The named globals of the wild shot events. Defined in wildshot/globals.cpp.

#include <memory>

class TWildshotScreen;

// The wild shot screen. Owner: the program's entry creates it once at start-up, in the screen
// order, and it lives for the whole run.
extern std::shared_ptr<TWildshotScreen> WildShotScreen;
