#include "screens/game_menu.h"
