#include "screens/shop_screen.h"
