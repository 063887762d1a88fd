// The start of a hole on fresh per-hole objects, the next hole in place, and the release of a
// hole's objects.

#include <memory>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "content/course.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_generator.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "ui/button.h"
#include "util/animation.h"

namespace {

// The hole start labels its steps for a debugging handler; the game installs none.
void DebugLog(const char*) {}

void StopChannel(platform::ChannelRef& channel) {
  if (channel) channel->Stop();
  channel.reset();
}

}  // namespace

int TGameScreen::LevelStart() {
  DebugLog("Level Start...");
  DebugLog("Clear Counters");
  ClearCounters();
  DebugLog("Clear Particles");
  ClearParticles();
  DebugLog("Making Channels");
  ChannelStatus = platform::AllocChannel();
  ChannelXRay = platform::AllocChannel();
  ChannelAmbient = platform::AllocChannel();
  DebugLog("Create HUD");
  HUD = std::make_shared<THUD>();
  HUD->LoadImages();
  DebugLog("Precache graphics");
  if (images) images->Precache();
  BitmapFontsPrecache();
  // Once the hole's first frame is drawn, pictures of other moments (the wild shots' animations,
  // the other screens) give back their pixels; they are read from their files when first shown.
  ReleasePixelsAfterDraw = 1;
  DebugLog("Create Lists");
  TokenGeneratorList = std::make_shared<TTokenGeneratorList>();
  ParticleGeneratorList = std::make_shared<TParticleGeneratorList>();
  DebugLog("New Level Stats");
  Player->NewLevelStats();
  DebugLog("HUD Init");
  HUD->Init();
  DebugLog("Level Load");
  // A saved hole that could not be read back is played afresh.
  if (LoadLevelFromProfile && Player->SaveData->HoleDamaged) LoadLevelFromProfile = 0;
  LevelLoad();
  Player->SaveData->ApplyIrons();
  if (!LoadLevelFromProfile) {
    DebugLog("Fill Grid");
    GameGrid->LevelName = Player->SaveData->CourseName;
    FillGrid();
    CardList->FlipAll();
    if (OwnsItem(2)) CardList->FlipHalf();
    DebugLog("Load Course Speech");
    if (Player->Level == 1) SpeechCourseLoad();
  }
  Player->SaveData->MidHole = 1;
  DebugLog("Set Menu Coords");
  SetMenuCoords();
  DebugLog("Apply Save Data");
  Player->SaveData->Apply();
  ToolTipCardCreate();
  HUD->FlagLevel = Player->Level;
  if (auto course = CourseFind(GameGrid->LevelName); course && course->Timed)
    Player->TimeLimit = OwnsItem(10) ? 90000.0f : 60000.0f;
  DebugLog("Glow Special/Valid Cards");
  CardList->GlowSpecialCards();
  CardList->GlowValidCards();
  DebugLog("Mulligan Buttons");
  SetMulliganImages();
  DebugLog("Misc");
  if (IntroAnim) IntroAnim->Start();
  LevelEndClicked = 0;
  ProcessLogic = 1;
  GameGrid->PointerRestore();
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  DebugLog("Hint Scroll Calc");
  if (GameGrid->LevelName == "The Vuva Rivudar") {
    DebugLog("Hint Scroll Show");
    if (Player->Level >= 1 && Player->Level <= 9 && HintScroll) {
      HintScroll->LoadSpecial(Player->Level, 0);
      HintScroll->Show(0);
    }
  }
  if (Player->TimeLimit > 0 && Player->Level == 1 && HintScroll) {
    HintScroll->LoadSpecial(10, 0);
    HintScroll->Show(0);
  }
  DebugLog("Ambient Anims");
  CreateStaticAmbientAnims();
  DebugLog("Level Start Finished");
  return 0;
}

int TGameScreen::LevelLoad() {
  GameGrid = TGameGrid::Create();
  GameGrid->Load(Player->Level);
  return 0;
}

int TGameScreen::LevelRestart() {
  Player->SaveData->MidCourse = 1;
  if (Game->CurrentProfile) Player->ProfileUpdate(*Game->CurrentProfile);
  if (auto b = MenuButton("end_hole")) {
    b->Active = 1;
    b->MouseClickCounter = 0;
  }
  KillGeneric();
  Player->SaveData->InitLevelStats();
  LevelStart();
  const bool hint = HintScroll && HintScroll->Active;
  const bool menu = GameMenu && GameMenu->Active;
  if (!hint && !menu) PlayStartSound();
  SetMenuCoords();
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}

int TGameScreen::KillGeneric() {
  ClearLists();
  KillGameObjects();
  ClearParticles();
  StopChannel(ChannelStatus);
  StopChannel(ChannelXRay);
  StopChannel(ChannelAmbient);
  AnnouncerSound.reset();
  return 0;
}

int TGameScreen::KillGameObjects() {
  if (HUD) HUD->Kill();
  HUD.reset();
  if (GameGrid) GameGrid->Kill();
  GameGrid.reset();
  CardList.reset();
  PlayList.reset();
  if (TokenGeneratorList) TokenGeneratorList->Generators.clear();
  TokenGeneratorList.reset();
  if (ParticleGeneratorList) ParticleGeneratorList->Clear();
  ParticleGeneratorList.reset();
  return 0;
}

int TGameScreen::ClearCounters() {
  if (IntroAnim) IntroAnim->Clear();
  if (OutroAnim) OutroAnim->Clear();
  StockPenaltyKill();
  MulliganAnimCounter = 0;
  MulliganGlowCounter = 0;
  WildshotAnimKill();
  PerfectCounter = 0;
  SoundCounter = 0;
  CardToIronAnim = 0;
  ToolTipCounter = 0;
  ToolTipCounterLength = static_cast<int>(Game->CalcAnimLength(2500));
  ToolTipLabelAlpha = 0;
  PopUpTipType = 0;
  TrophyDialogs.fill(-1);
  IdleCounter = 0;
  IdlePlayed = 0;
  NearPerfectPlayed = 0;
  return 0;
}

int TGameScreen::ClearLists() { return 0; }
