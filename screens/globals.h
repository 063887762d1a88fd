#pragma once
// The sixteen screens of the game, made once each by the entry (CreateGameBanksAndScreens in
// screens/run_game.h) in this order and kept for the whole run: title, play, options, career
// statistics, credits, ending, course selector, trophy room, in-game menu, intro, hints, wild shot,
// scorecard, newspaper, shop, avatar selection. Owner of the fourteen below: screens; the play
// screen `GameScreen` lives in play/globals.h and the wild shot screen `WildShotScreen` in
// wildshot/globals.h (their owners define them), included here so one header names all sixteen.

#include <memory>

#include "play/globals.h"
#include "wildshot/globals.h"

class TTitleScreen;
class TOptionsScreen;
class TCareerStatsScreen;
class TCreditsScreen;
class TGameFinishedScreen;
class TLevelSelectScreen;
class TTrophyScreen;
class TGameMenu;
class TIntroScreen;
class THintScroll;
class TScoreCardScreen;
class TNewspaperScreen;
class TShopScreen;
class TAvatarSelectionScreen;

extern std::shared_ptr<TTitleScreen> TitleScreen;
extern std::shared_ptr<TOptionsScreen> OptionsScreen;
extern std::shared_ptr<TCareerStatsScreen> CareerStatsScreen;
extern std::shared_ptr<TCreditsScreen> CreditsScreen;
extern std::shared_ptr<TGameFinishedScreen> GameFinishedScreen;
extern std::shared_ptr<TLevelSelectScreen> LevelSelectScreen;
extern std::shared_ptr<TTrophyScreen> TrophyScreen;
extern std::shared_ptr<TGameMenu> GameMenu;
extern std::shared_ptr<TIntroScreen> IntroScreen;
extern std::shared_ptr<THintScroll> HintScroll;
extern std::shared_ptr<TScoreCardScreen> ScoreCardScreen;
extern std::shared_ptr<TNewspaperScreen> NewspaperScreen;
extern std::shared_ptr<TShopScreen> ShopScreen;
extern std::shared_ptr<TAvatarSelectionScreen> AvatarSelectionScreen;
