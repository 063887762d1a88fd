#include "cards/globals.h"

#include "cards/card_list.h"
#include "cards/field_events.h"
#include "cards/game_grid.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"

std::shared_ptr<TGameGrid> GameGrid;
std::shared_ptr<TCardList> CardList;
std::shared_ptr<TPlayList> PlayList;
std::shared_ptr<TTokenGeneratorList> TokenGeneratorList;

namespace {

constinit TFieldEvents* gFieldEvents = nullptr;

}  // namespace

TFieldEvents& FieldEvents() {
  static TFieldEvents none;
  return gFieldEvents ? *gFieldEvents : none;
}

void SetFieldEvents(TFieldEvents* events) { gFieldEvents = events; }
