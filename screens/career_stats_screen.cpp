#include "screens/career_stats_screen.h"
