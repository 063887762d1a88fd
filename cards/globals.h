#pragma once
// The named globals of the hole being played. Defined in cards/globals.cpp; all start empty.

#include <memory>

class TGameGrid;
class TCardList;
class TPlayList;
class TTokenGeneratorList;

// The play field of the current hole. Owner: the play screen; made by its LevelLoad for every
// hole (TGameGrid::Create), dropped by its KillGameObjects.
extern std::shared_ptr<TGameGrid> GameGrid;
// The cards of the current hole. Owner: the play field; made anew by TGameGrid::Init, emptied and
// dropped by TGameGrid::Kill.
extern std::shared_ptr<TCardList> CardList;
// The cards in flight to the foundation. Owner: the play field, as CardList.
extern std::shared_ptr<TPlayList> PlayList;
// The running token streams. Owner: the play screen; made empty when a hole starts, dropped with
// the hole's objects.
extern std::shared_ptr<TTokenGeneratorList> TokenGeneratorList;
