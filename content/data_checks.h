#pragma once
// Checks of the hand-written data files that the loader reads whole before the game uses them:
// the text table must hold every key the game looks up, and the speech chances file must give
// every announcer category a percent. Each returns the first fault, naming the file and the key or
// line, so that the loader can end the game at start rather than show a blank or a silence later.

#include <string>
#include <vector>

#include "content/load_result.h"

class TGameText;

// Every key of the text table that the game's screens look up.
const std::vector<std::string>& GameTextKeys();
// The announcer categories the play screen rolls a speech chance for.
const std::vector<std::string>& SpeechCategories();

// Fails when a key of GameTextKeys has no entry in `table`, or an entry without text; `path` is
// the file the table was read from.
TLoadResult CheckGameTextKeys(const TGameText& table, const std::string& path);
// Reads the speech chances file at `path`: every line "category=percent" with a whole percent
// from 0 to 100, and every category of SpeechCategories named.
TLoadResult CheckSpeechChances(const std::string& path);
