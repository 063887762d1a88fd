#include "wildshot/wildshot_screen.h"

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "util/files.h"

TWildshotScreen::TWildshotScreen() { name = "wildshot"; }

int TWildshotScreen::LoadTextData() {
  StoryLines.clear();
  auto in = ccLoadFile((Game ? Game->TextPath : std::string()) + "wildshots.txt");
  if (!in) return 0;
  while (!in->Eof()) StoryLines.push_back(in->ReadLine());
  return 0;
}

int TWildshotScreen::PreCache() { return 0; }

int TWildshotScreen::KillPrecachedData() { return 0; }

int TWildshotScreen::LoadSpecial() {
  ++SpecialsLoaded;
  return 0;
}

int TWildshotScreen::Show(int flag) {
  // Until its stories exist the screen closes at once and hands play back. Closing takes the wild
  // shot card that opened it off the table, as the dialog does when it rolls up.
  Active = 0;
  if (flag == 1 && GameGrid && GameGrid->StockCard && CardList &&
      GameGrid->StockCard->CardType == CARDTYPE_WILDSHOT)
    CardList->Remove(GameGrid->StockCard.get());
  return 0;
}

int TWildshotScreen::Logic() { return 0; }

int TWildshotScreen::Draw() {
  if (!Active) return 0;
  platform::SetColor(255, 255, 255);
  platform::DrawText(name, 8, 24);
  return 0;
}
