#include "screens/level_select_screen.h"
