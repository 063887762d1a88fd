#include "play/globals.h"

#include "play/game_screen.h"
#include "play/hud.h"
#include "play/play_field_events.h"

std::shared_ptr<TGameScreen> GameScreen;
std::shared_ptr<THUD> HUD;

namespace {

// The play field reports its outcomes to the play screen from the first tick on.
[[maybe_unused]] const bool kFieldEventsInstalled = (SetFieldEvents(&PlayFieldEvents()), true);

}  // namespace
