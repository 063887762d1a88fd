// The play screen's life cycle and the resources of one visit: construction, Load and Kill,
// Start, CoreStart (also the return from the options screen), the start sound, a new game for the
// current profile and the opening animation's end.

#include "play/game_screen.h"

#include <algorithm>
#include <cstdio>

#include "cards/card.h"
#include "cards/pixie_dust.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/files.h"
#include "play/ambient_anim.h"
#include "play/play_effects.h"
#include "play/pointer_particles.h"
#include "progress/avatar.h"
#include "progress/globals.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_dialogs.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/files.h"
#include "util/image.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

// Whole kilobytes of an image's memory and video memory, as the loading lines print them.
void PrintImageSize(const char* label, const TGameImage& image) {
  std::printf("%s: %lld   %lld\n", label, image.CalcRAM() / 1024, image.CalcVRAM() / 1024);
}

}  // namespace

TGameScreen::TGameScreen() {
  name = "game";
  PopUpTipBuilder = MakePopUpTipDialog;
  Player = std::make_shared<TPlayer>();
  MakeBareMenu();
}

TGameScreen::~TGameScreen() = default;

void TGameScreen::MakeBareMenu() {
  Menu = std::make_shared<TMenu>();
  for (const char* buttonName : {"Menu", "end_hole", "enddrive", "mulligan", "scorecard"}) {
    auto b = std::make_shared<TButton>();
    b->name = UpperCaseName(buttonName);
    b->ClickDisabled = 0;
    Menu->Add(b);
  }
  for (const char* held : {"end_hole", "enddrive", "mulligan"}) Menu->FindButton(held)->Disabled = 1;
  Menu->FindButton("enddrive")->Active = 0;
}

std::shared_ptr<TButton> TGameScreen::MenuButton(const std::string& buttonName) const {
  return Menu ? Menu->FindButton(buttonName) : nullptr;
}

bool TGameScreen::EndHoleIsEnabled() const {
  auto b = MenuButton("end_hole");
  return b && b->Disabled == 0;
}

bool TGameScreen::OwnsItem(int id) const { return OwnsShopItem(Player.get(), id); }

int TGameScreen::Load() {
  name = "game";
  if (Game->LoadingScreen) {
    Game->LoadingScreen->LoadingY = ScreenHeight / 2;
    Game->LoadingScreen->DrawLoading(1);
  }
  auto course = CourseFind(Player->SaveData->CourseName);
  if (!course) {
    // The saved round names a course this data does not hold: say so, drop the round and go
    // back to the title; Start then builds no hole.
    ccDialogOK("The course \"" + Player->SaveData->CourseName +
                   "\" of the saved game is not in the course list. The round is dropped.",
               600, 100);
    Player->SaveData->MidCourse = 0;
    Player->SaveData->MidHole = 0;
    LoadLevelFromProfile = 0;
    Player->Level = 1;
    if (Game->CurrentProfile) {
      if (Game->CurrentProfile) Player->ProfileUpdate(*Game->CurrentProfile);
      Player->ProfileWrite(Game->CurrentProfile.get());
    }
    ProcessLogic = 0;
    return 0;
  }

  // Files the hole loads only when they are needed (results, remarks) must all be there now.
  for (const auto& recording : AnnouncerRecordings(course->CourseType))
    if (!platform::FileExists(Game->SpeechPath + recording))
      ccRunTimeError("Error loading sample " + ccDataFileName(Game->SpeechPath + recording), 1);
  for (int result = -1; result >= -4; --result) {
    const std::string picture = Game->ImagePath + "particles/" + LevelEndImageName(result) + ".png";
    if (!platform::FileExists(picture))
      ccRunTimeError("Error loading bitmap " + ccDataFileName(picture), 1);
  }

  CardToIronMorph = std::make_shared<TGameImage>();
  CardToIronMorph->LoadAnim(Game->ImagePath + "particles/card_to_iron.png", 90, 215, 0, 50, -1, 1);
  PrintImageSize("Anims", *CardToIronMorph);
  ccCreateFrames(CardToIronMorph->image);

  Middle = TGameImage::Create(Game->ImagePath + "backgrounds/" + course->BackgroundImage, -1, 0);
  ccCreateFrames(Middle->image);
  PrintImageSize("Background", *Middle);

  Game->MusicLoad(course->AmbienceLoop, 1);
  Game->FadeMusic = 1;

  AmbientSoundTotal = 0;
  for (const auto& soundName : AmbientSoundNames(course->CourseType)) LoadAmbientSound(soundName);

  LoadParticles();

  IntroAnim = TAnimation::Create(1000, 0, 0, 0);
  OutroAnim = TAnimation::Create(2000, 1, 0, 0);

  Go = TSprite::CreateFromFile("particles/play", 0, 0, 1, -1);
  if (Go && Go->image) ccCreateFrames(Go->image->image);

  SoundLevelStart = sounds->Find("levelstart");
  SoundPerfect = sounds->Find("perfect_score");
  SoundSlide = sounds->Find("sliding");
  SoundShuffle = sounds->Find("card_shuffle");

  SoundCounterMax = Game->CalcAnimLength(1200);

  LoadMenu(course->CourseType == "DESERT" ? 1 : 0);
  if (GameMenu) GameMenu->Load();

  Avatar = std::make_shared<TAvatar>();
  // The avatar's pictures come with the avatar screens; until the data folder has them the play
  // screen (which never draws the avatar itself) goes on without its layers.
  if (platform::FolderExists(Game->ImagePath + "Avatar")) Avatar->Load();
  Avatar->Scale = 0.5f;

  LoadAmbientAnims(course->BackgroundImage);
  ProcessLogic = 1;
  return 0;
}

int TGameScreen::Kill() {
  TScreen::Kill();
  MakeBareMenu();
  KillGeneric();
  Middle.reset();
  HUDPictures.reset();
  HintPictures.reset();
  LevelEndImage.reset();
  if (ToolTipCard) {
    ToolTipCard->Kill();
    ToolTipCard.reset();
  }
  IntroAnim.reset();
  OutroAnim.reset();
  Go.reset();
  for (auto* image :
       {&PerfectParticle, &InvalidParticle, &ClearedParticle, &WedgeFoundParticle,
        &IronFoundParticle, &WaterHazardClearedParticle, &LongDriveParticle, &FiveParticle,
        &XParticle, &MultiplierParticle, &ClickPlayableCardParticle, &TimeUpParticle,
        &FullLengthIron, &IronHead, &IronHandle, &LeafParticle, &WhackParticle, &CardToIronMorph,
        &XRayingParticle, &Mulligan0Disabled, &Mulligan0Down, &Mulligan1, &Mulligan1MO,
        &Mulligan1Disabled, &Mulligan1Down, &Mulligan2, &Mulligan2MO, &Mulligan2Disabled,
        &Mulligan2Down, &Mulligan3, &Mulligan3MO, &Mulligan3Disabled, &Mulligan3Down})
    image->reset();
  SoundLevelStart.reset();
  SoundPerfect.reset();
  SoundSlide.reset();
  SoundShuffle.reset();
  ChannelShuffle.reset();
  for (auto& sound : AmbientSound) sound.reset();
  if (GameMenu) GameMenu->Kill();
  if (HintScroll) HintScroll->Kill();
  if (WildShotScreen) WildShotScreen->Kill();
  if (WildShotScreen && WildShotScreen->PixieDust) WildShotScreen->PixieDust->Kill();
  if (HintScroll && HintScroll->PixieDust) HintScroll->PixieDust->Kill();
  if (ScoreCardScreen && ScoreCardScreen->Disabled) ScoreCardScreen->Kill();
  if (Avatar) Avatar->Kill();
  for (auto& anim : AmbientAnims)
    if (anim) anim->Kill();
  return 0;
}

int TGameScreen::Start() {
  TScreen::Start();
  if (!ProcessLogic && !GameGrid && !Middle) {
    // Load found no course: back to the title without a hole.
    Game->DestinationTScreen = TitleScreen;
    if (Game->GameFade) Game->GameFade->Init(FADE_SPEED, 1, nullptr, 0, 0);
    return 0;
  }
  Game->MusicPlay(1);
  LevelStart();
  // The game draws its own pointer (the system one stays hidden), so it stays shown during play:
  // a hole is played by pointing at cards. Only its sparkle trail goes.
  if (Game->Mouse) Game->Mouse->ParticleList->Clear();
  PointerParticlesOn = 0;
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  if (Game->GameFade) Game->GameFade->Init(FADE_SPEED, 0, nullptr, 0, 0);
  return 0;
}

int TGameScreen::CoreStart() {
  TScreen::CoreStart();
  Game->IgnoreEscapeKey = 1;
  ResetStops();
  if (GameMenu && GameMenu->Menu) {
    GameMenu->Menu->ClearGlow();
    GameMenu->Menu->ClearMouseClick();
    GameMenu->Menu->ClearMouseOver();
  }
  if (auto b = MenuButton("scorecard")) b->Active = 1;
  if (GameMenu && GameMenu->Active && Game->GameFade)
    Game->GameFade->Init(FADE_SPEED, 0, nullptr, 0, 0);
  if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}

int TGameScreen::PostFadeIn() {
  const bool hint = HintScroll && HintScroll->Active;
  const bool menu = GameMenu && GameMenu->Active;
  if (!hint && !menu) PlayStartSound();
  return 0;
}

int TGameScreen::PlayStartSound() {
  if (SoundLevelStart) SoundLevelStart->PlayInChannel(ChannelStatus, 0.0f);
  return 0;
}

int TGameScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 0;
}

int TGameScreen::SpecificKeys() {
  if ((GameMenu && GameMenu->Active) || (Game->GameFade && Game->GameFade->Active)) return 0;
  return 1;
}

int TGameScreen::GameStart() {
  // The same player going on with the course in progress plays the same game: the tips that
  // game has shown stay shown, so a save and resume does not bring them back. The player's file
  // keeps them too, for a resume after the program was closed.
  const std::string before = Player->Name;
  const int missed = MissedCardPopUps, irons = IronPopUps, drives = LongDrivePopUps;
  Player->InitStats();
  Player->ProfileRead(Game ? Game->CurrentProfile.get() : nullptr, 0);
  if (const auto& save = Player->SaveData; save && save->MidCourse != 0) {
    MissedCardPopUps = save->MissedCardTips;
    IronPopUps = save->IronTips;
    LongDrivePopUps = save->LongDriveTips;
    if (!before.empty() && Player->Name == before) {
      MissedCardPopUps = std::max(MissedCardPopUps, missed);
      IronPopUps = std::max(IronPopUps, irons);
      LongDrivePopUps = std::max(LongDrivePopUps, drives);
    }
  }
  TipsKeep();
  return 0;
}

int TGameScreen::TipsKeep() {
  if (!Player || !Player->SaveData) return 0;
  Player->SaveData->MissedCardTips = MissedCardPopUps;
  Player->SaveData->IronTips = IronPopUps;
  Player->SaveData->LongDriveTips = LongDrivePopUps;
  return 0;
}

int TGameScreen::IntroCheck() {
  if (!IntroAnim) return 0;
  if (IntroAnim->Manage()) {
    if (GameGrid) GameGrid->PlayFlipNoise();
    SpeechPlay("start");
  }
  return 0;
}
