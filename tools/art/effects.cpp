#include "tools/art/registry.h"
namespace art {
void AddEffects(Registry&) {}
}  // namespace art
