#include "screens/trophy_screen.h"
