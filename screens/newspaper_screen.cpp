#include "screens/newspaper_screen.h"
