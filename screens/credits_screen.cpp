#include "screens/credits_screen.h"
