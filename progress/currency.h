#pragma once
// The currency of the player's region (Game->Region: 0 dollar, 1 euro, 2 yen).

#include <string>

// "$" for region 0, "€" for 1, "¥" for 2, "" otherwise.
std::string GetCurrencyChar();
// The frame of the currency sign in a digit image whose three sign frames follow its digits at
// base + 10: base + 10 + Region for regions 0..2, 0 otherwise.
int GetCurrencySymbol(int base);
