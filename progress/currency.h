#pragma once
// The currency of the player's region.

#include <string>

// "$" for region 0, "€" for 1, "¥" for 2, "" otherwise (Game->Region).
std::string GetCurrencyChar();
