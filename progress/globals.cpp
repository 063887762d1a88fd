#include "progress/globals.h"
