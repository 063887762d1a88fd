#pragma once
// What the golf shop, the trophy room and the career statistics page share: each starts its own
// music and a fade-in from black with Esc left to its own logic, reads Esc as a press of its
// leave button, and leaves with a fade-out that takes the music with it.

#include <functional>
#include <memory>
#include <string>

class TMenu;
class TScreen;

// The base start of `screen`, then its music with a fade-in, `beforeFade` when given (a sound cued
// there plays at its full volume: once the fade runs, new sounds start at its level), Esc taken
// from the framework, the fade in from black (the screen held still) and the timing restarted.
void StartRoom(TScreen& screen, const std::function<void()>& beforeFade = {});
// 1 when Esc was hit this tick; the button named `button` then shows pressed, with its glow and
// click sound, as if clicked.
int EscapePressesButton(TMenu& menu, const std::string& button);
// Fades to black with the music and names `destination` as the next screen.
void FadeOutTo(const std::shared_ptr<TScreen>& destination);
