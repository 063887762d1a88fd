#include "core/globals.h"

#include "core/game.h"

std::shared_ptr<TGame> Game;
float Delta = 1.0f;
int FADE_SPEED = 500;
std::string FULLNAME = "Quillbrook";
