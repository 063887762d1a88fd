#include "wildshot/globals.h"

#include "wildshot/wildshot_screen.h"

std::shared_ptr<TWildshotScreen> WildShotScreen;
