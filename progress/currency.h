#pragma once
// The currency of the player's region.

#include <string>

// "$" for region 0, "€" for 1, "¥" for 2, "" otherwise (Game->Region).
std::string GetCurrencyChar();
// The frame of the currency sign in a digit strip: base + 10, 11 or 12 for region 0, 1 or 2; 0
// for any other region.
int GetCurrencySymbol(int base);
