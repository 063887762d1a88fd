#include "screens/score_card_screen.h"
