#include "screens/run_game.h"

#include "content/loading.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "progress/profile_hooks.h"
#include "screens/avatar_selection_screen.h"
#include "screens/career_stats_screen.h"
#include "screens/credits_screen.h"
#include "screens/game_finished_screen.h"
#include "screens/game_menu.h"
#include "screens/game_upper_layer.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/intro_screen.h"
#include "screens/level_select_screen.h"
#include "screens/newspaper_screen.h"
#include "screens/options_screen.h"
#include "screens/score_card_screen.h"
#include "screens/shop_screen.h"
#include "screens/title_screen.h"
#include "screens/trophy_screen.h"
#include "ui/mouse_pointer.h"
#include "ui/profile.h"
#include "wildshot/wildshot_screen.h"

void InstallGameUpperLayer() {
  Game->Mouse = std::make_shared<TMousePointer>();
  Game->Upper = std::make_shared<TGameUpperLayer>();
}

void CreateGameBanksAndScreens() {
  // Every profile made from now on carries the game's own block.
  TProfile::CreateUserFunction = CreateProfileExtra;

  images = std::make_shared<TImageBank>();
  images->SetPath(Game->ImagePath);
  sounds = std::make_shared<TSoundBank>();
  sounds->SetPath(Game->SoundPath);

  TitleScreen = std::make_shared<TTitleScreen>();
  GameScreen = std::make_shared<TGameScreen>();
  OptionsScreen = std::make_shared<TOptionsScreen>();
  CareerStatsScreen = std::make_shared<TCareerStatsScreen>();
  CreditsScreen = std::make_shared<TCreditsScreen>();
  GameFinishedScreen = std::make_shared<TGameFinishedScreen>();
  LevelSelectScreen = std::make_shared<TLevelSelectScreen>();
  TrophyScreen = std::make_shared<TTrophyScreen>();
  GameMenu = std::make_shared<TGameMenu>();
  IntroScreen = std::make_shared<TIntroScreen>();
  HintScroll = std::make_shared<THintScroll>();
  WildShotScreen = std::make_shared<TWildshotScreen>();
  ScoreCardScreen = std::make_shared<TScoreCardScreen>();
  NewspaperScreen = std::make_shared<TNewspaperScreen>();
  ShopScreen = std::make_shared<TShopScreen>();
  AvatarSelectionScreen = std::make_shared<TAvatarSelectionScreen>();
}

TEntrySteps GameEntrySteps() {
  TEntrySteps steps;
  steps.InstallUpperLayer = InstallGameUpperLayer;
  steps.CreateBanksAndScreens = CreateGameBanksAndScreens;
  steps.LoadData = [] { return LoadData(); };
  steps.Shutdown = [] { return Shutdown(); };
  return steps;
}

int RunGame() { return RunEntry(GameEntrySteps()); }
