#include "content/loading.h"

#include <cstdio>

#include "cards/card.h"
#include "content/course_list.h"
#include "content/data_checks.h"
#include "content/globals.h"
#include "content/image_list.h"
#include "content/sound_list.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/loading_bar.h"
#include "core/loading_screen.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/hud.h"
#include "play/pointer_particles.h"
#include "progress/best_score_list.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/intro_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/mouse_pointer.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"
#include "util/value_list.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

int LoadData() {
  platform::SetAutoMidHandle(true);
  ccClsVSync(0, 0, 0);
  TLoadingScreen& loading = *Game->LoadingScreen;
  loading.SpecialLoad("Loading/loadingscreen.jpg", "", "Loading/loading.png");
  loading.LoadingTextImage2 = ccLoadBitmap(Game->ImagePath + "Loading/loading_small.png", -1);
  Ball = ccLoadBitmap(Game->ImagePath + "Loading/ball.png", -1);
  BallMask = ccLoadBitmap(Game->ImagePath + "Loading/ballmask.png", -1);
  BallHitSound = TGameSound::Create(Game->SoundPath + "putt.ogg", 0);
  BallInHoleSound = TGameSound::Create(Game->SoundPath + "ballinhole.ogg", 0);
  loading.CustomDrawFunction = LoadingScreenCustomDraw;
  loading.CustomKillFunction = LoadingScreenCustomKill;

  sounds->Load("buttonclick", 1.0f, 1.0f, "", 0);
  sounds->Load("buttonMO", 1.0f, 1.0f, "", 0);
  images->Load("paused", "", -1, 1);
  Game->SpritePausedCreate(images->Find("paused"));
  THUD::LoadGlobals();

  Game->CurrentTScreen = IntroScreen;
  IntroScreen->Destination = Game->LoadingScreen;
  IntroScreen->PreStart();
  return 0;
}

int LoadLocalisedText() {
  HintScroll->LoadTextData();
  WildShotScreen->LoadTextData();
  WildShotScreen->PreCache();
  GameText = TGameText::Create("gametext.txt");
  const TLoadResult keys = CheckGameTextKeys(*GameText, Game->TextPath + "gametext.txt");
  if (!keys.Ok()) ccRunTimeError(keys.Report(), 1);
  return 0;
}

int LoadBestScores() {
  BestScores = std::make_shared<TBestScoreList>();
  BestScores->Load();
  return 0;
}

int LoadData2() {
  // A quit during the splash (or the exit it started) ends the program before the long load.
  if (Game->Quitting()) throw ccQuit();
  platform::SetAutoMidHandle(true);
  TLoadingScreen& loading = *Game->LoadingScreen;
  loading.LoadingBar->Centre(ScreenHeight - 110);
  loading.LoadingBar->Mode = 1;
  loading.LoadingBar->DrawEmptyUnderFinal = 1;
  loading.LoadingX = ScreenWidth / 2 - 3;
  loading.LoadingY = ScreenHeight - 163;
  loading.SetSteps(LOADING_STEPS);
  loading.SetClickHereButton("Loading/clickhere", "Loading/clickhereMO", "buttonMO", "buttonClick",
                             loading.LoadingY - 19);
  loading.ClickHereButton->x -= 4.0f;

  if (Game->Channels) Game->Channels->PlayGameSound(BallHitSound, nullptr, 1.0f, 0.0f);
  loading.Draw();
  loading.Destination = TitleScreen;
  loading.DrawLoadingTextImage2 = 1;
  Game->TerminatedUserFunction = TGameScreen::TerminatedUserFunction;
  ccFatalErrorHook = &TGameScreen::SaveRoundBeforeFatalError;

  // The stage's own six steps; every other step comes from the loaders it calls.
  LoadLocalisedText();
  Game->MoveBar();
  LoadCourseData();
  Game->MoveBar();
  LoadBestScores();
  Game->MoveBar();
  const TLoadResult chances = CheckSpeechChances(Game->SpeechPath + "chance.txt");
  if (!chances.Ok()) ccRunTimeError(chances.Report(), 1);
  SpeechChances = TValueList::Create(Game->SpeechPath + "chance.txt");
  Game->MoveBar();
  LoadSounds();
  LoadImages();
  std::printf("ImageBank: %d  %d\n", images->CalcRAM(), images->CalcVRAM());
  std::fflush(stdout);
  Game->MoveBar();
  TitleScreen->SpecialLoad(1, 1);
  Game->MoveBar();
  TCard::Load();
  loading.DrawLoadingTextImage2 = 0;

  Game->Mouse->ParticleFunc = PointerParticles;
  Game->Mouse->SparkleLength = CalcSparkleLength();
  Game->Debug1 = Game->Mouse->SparkleLength;
  const char* suits[] = {"heart", "diamond", "club", "spade"};
  for (int i = 0; i < 4; ++i) PointerParticle[i] = images->Find(suits[i]);
  Game->Mouse->UpdateCoords();
  Game->Mouse->On();
  ccFlushAll();
  Game->IgnoreEscapeKey = 1;
  Game->FixedRateLogic->Init();
  return 0;
}

int LoadingScreenCustomDraw() {
  const TLoadingBar& bar = *Game->LoadingScreen->LoadingBar;
  const TLoadingBallPlace place = LoadingBallPlace(bar.CurrentStep, bar.Steps, bar.Finished);
  if (place.visible) {
    if (Ball) platform::DrawImage(Ball, place.x, place.y, 0);
    if (BallMask) platform::DrawImage(BallMask, LOADING_MASK_X, LOADING_MASK_Y, 0);
  }
  if (bar.Finished != 0 && BallInHolePlayed == 0) {
    if (Game->Channels) Game->Channels->PlayGameSound(BallInHoleSound, nullptr, 1.0f, 0.0f);
    BallInHolePlayed = 1;
  }
  return 0;
}

int LoadingScreenCustomKill() {
  Ball.reset();
  BallMask.reset();
  return 0;
}

int CleanUp() {
  Game->Kill();
  return 0;
}

int Shutdown() {
  if (WildShotScreen) WildShotScreen->KillPrecachedData();
  TGame::MakeGoodExit();
  platform::ShowMouse();
  CleanUp();
  return 0;
}
