#include "play/globals.h"

#include "play/game_screen.h"
#include "play/hud.h"

std::shared_ptr<TGameScreen> GameScreen;
std::shared_ptr<THUD> HUD;
