#pragma once
// The named globals of player progress. None yet: the player of the round is the play screen's
// Player (play/globals.h) and the saved game hangs from it.
