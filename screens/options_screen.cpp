#include "screens/options_screen.h"
