#include "progress/globals.h"

#include "progress/avatar.h"

std::shared_ptr<TAvatar> Avatar;
