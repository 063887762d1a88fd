#pragma once
// The display the window is on going away while the program runs: the X server killed or
// restarted, a logout, a forwarded connection dropped, a Wayland compositor gone. Nothing can be
// drawn or shown again, and no call may reach the display any more: the program reports the loss
// through the handler below and ends with status 1, without returning to the system's code.

#include <string>

namespace platform {

// Runs once when the window's display is lost, with the reason in the player's terms ("The display
// :0 was lost: the connection to the X server broke."). It may write files and save the game, but
// must draw nothing (drawing, the window and the alerts already know the display is gone). When it
// returns, the program ends at once with status 1: no exit handlers run, since they would reach
// the dead display. Null removes the handler; the program then ends all the same.
using DisplayLostHandler = void (*)(const std::string& reason);
void OnDisplayLost(DisplayLostHandler handler);

// True once the window's display has been lost: the window counts as closed from then on.
bool DisplayLost();

}  // namespace platform
