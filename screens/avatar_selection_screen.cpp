#include "screens/avatar_selection_screen.h"
