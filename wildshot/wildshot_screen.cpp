#include "wildshot/wildshot_screen.h"

#include "platform/graphics.h"

TWildshotScreen::TWildshotScreen() { name = "wildshot"; }

int TWildshotScreen::LoadSpecial() {
  ++SpecialsLoaded;
  return 0;
}

int TWildshotScreen::Show(int flag) {
  // Until its stories exist the screen closes at once and hands play back.
  Active = 0;
  (void)flag;
  return 0;
}

int TWildshotScreen::Logic() { return 0; }

int TWildshotScreen::Draw() {
  if (!Active) return 0;
  platform::SetColor(255, 255, 255);
  platform::DrawText(name, 8, 24);
  return 0;
}
