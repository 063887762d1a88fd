#include "core/debug_var.h"

#include "platform/system.h"

int TDebugVar::Start() {
  current = static_cast<int>(platform::Millisecs());
  return 0;
}

int TDebugVar::Calc() {
  current = static_cast<int>(platform::Millisecs()) - current;
  if (current > maximum) maximum = current;
  if (maximum > displayLimit) maximum = displayLimit;
  return 0;
}
