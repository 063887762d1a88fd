#include "play/globals.h"

#include "play/game_screen.h"
#include "play/hud.h"
#include "play/play_field_events.h"
#include "progress/player.h"

std::shared_ptr<TGameScreen> GameScreen;
std::shared_ptr<THUD> HUD;

TPlayer* CurrentPlayer() { return GameScreen ? GameScreen->Player.get() : nullptr; }

bool PlayerOwnsItem(int id) { return OwnsShopItem(CurrentPlayer(), id); }

namespace {

// The play field and the player's records report to the screens from the first tick on.
[[maybe_unused]] const bool kScreenSideInstalled =
    (SetFieldEvents(&PlayFieldEvents()), SetProgressEvents(&PlayProgressEvents()), true);

}  // namespace
