// Quillbrook: the program entry hands over to the game's start-up sequence and main loop.
#include "platform/leak_check.h"
#include "screens/run_game.h"

int main() { return RunGame(); }
