#pragma once
// The named globals of the play screen and its HUD. Defined in play/globals.cpp; all start empty.

#include <array>
#include <memory>

class TGameScreen;
class THUD;
class TGameImage;
class TPlayer;

// The play screen. Owner: the program's entry creates it once at start-up, in the screen order,
// and it lives for the whole run.
extern std::shared_ptr<TGameScreen> GameScreen;
// The play screen's heads-up display. Owner: the play screen; made when it loads, kept for the run.
extern std::shared_ptr<THUD> HUD;

// The player of the play screen, or none (tests may run the screens without one).
TPlayer* CurrentPlayer();
// Whether that player's saved game owns the shop item `id`: no without a player or a saved game,
// or for an id out of range.
bool PlayerOwnsItem(int id);
