#include "screens/title_screen.h"

#include <filesystem>
#include <system_error>

#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/shadow.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "gfx/sprite.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "screens/career_stats_screen.h"
#include "screens/game_dialogs.h"
#include "screens/game_finished_screen.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/options_screen.h"
#include "screens/resume_game_dialog.h"
#include "screens/shop_screen.h"
#include "screens/trophy_screen.h"
#include "ui/button.h"
#include "ui/dialog_text_input.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/player_manager.h"
#include "ui/profile.h"
#include "ui/text_input.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/image.h"
#include "util/input.h"
#include "util/text_draw.h"
#include "util/types.h"

namespace {

std::shared_ptr<TSaveData> SaveData() {
  if (!GameScreen || !GameScreen->Player) return nullptr;
  return GameScreen->Player->SaveData;
}

// The fade of a menu switch that takes the music with it.
void FadeOutWithMusic(const std::shared_ptr<TScreen>& destination) {
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
  Game->DestinationTScreen = destination;
}

}  // namespace

TTitleScreen::TTitleScreen() { name = "title"; }
TTitleScreen::~TTitleScreen() = default;

int TTitleScreen::SpecialLoad(int loading, int loadMusic) {
  name = "title";
  if (loading == 0 && Game->LoadingScreen) Game->LoadingScreen->DrawLoading(1);
  if (loadMusic != 0) Game->MusicLoad("title theme.ogg", 1);
  if (loading == 1) Game->MoveBar();
  ImageLoad("title/title_bg.jpg", 0);
  if (loading == 1) Game->MoveBar();
  HeaderLoad("title/mainlogo", static_cast<float>(ScreenWidth / 2), 90.0f);
  if (loading == 1) Game->MoveBar();
  Copyright = GameText ? GameText->FindString("Copyright") : std::string();

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->AddQuick("changeplayer", "");
  Menu->AddNew("Bigplay", "BigplayMO", "", 0, 0, 1)->OKButton = 1;
  Menu->AddQuick("titleoptions", "");
  Menu->AddQuick("trophies", "");
  Menu->AddQuick("exit", "");
  Menu->Centre();
  Menu->AddQuick("golfshop", "");
  Menu->AddQuick("careerstats", "");
  struct Place {
    const char* name;
    int x;  // < 0: centred plus -x - 1
    int y;
  };
  // Top-left corners; a negative x is "centred" moved right by (-x - 1) pixels.
  const Place places[] = {{"Bigplay", -4, 480},  {"changeplayer", -3, 310}, {"golfshop", 136, 478},
                          {"trophies", 134, 520}, {"careerstats", 519, 478},  {"titleoptions", 517, 520},
                          {"exit", -3, 540}};
  for (const auto& button : Menu->Buttons) {
    button->LoadMouseClick(button->name + "_down", 350);
    button->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }
  for (const Place& place : places) {
    auto button = Menu->FindButton(place.name);
    if (!button) continue;
    button->y = static_cast<float>(place.y);
    button->x = place.x >= 0 ? static_cast<float>(place.x)
                             : static_cast<float>((ScreenWidth - button->w) / 2 - place.x - 1);
  }

  Intro = TAnimation::Create(300, 1, 0, 0);
  Game->FadeMusic = 1;
  if (loading == 1) PromptForName();
  return 0;
}

std::string TTitleScreen::PhotoFile(int male, int avatar) {
  return std::string("title/snapshots/") + (male == 1 ? "gent" : "lady") + "_pic_" +
         std::to_string(avatar + 1) + ".png";
}

int TTitleScreen::LoadPhoto() {
  auto save = SaveData();
  if (!save) return 0;
  // An avatar number from a damaged profile is kept in the range of the photographs.
  const int avatar = save->Avatar >= 0 && save->Avatar < 5 ? save->Avatar : 0;
  Photo = TGameImage::Create(Game->ImagePath + PhotoFile(save->Male, avatar), -1, 1);
  return 0;
}

bool TTitleScreen::IsPlayerFileName(const std::string& entry) {
  if (entry == "." || entry == ".." || entry == ".dat") return false;
  const auto dot = entry.rfind('.');
  return dot != std::string::npos && entry.substr(dot + 1) == "dat";
}

bool TTitleScreen::ReadFolder(const std::string& path, std::vector<std::string>& entries) {
  if (ReadFolderHook) return ReadFolderHook(path, entries);
  std::error_code error;
  std::filesystem::directory_iterator it(platform::ResolvePath(path), error);
  if (error) return false;
  entries.clear();
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) return false;
    entries.push_back(it->path().filename().string());
  }
  return !error;
}

int TTitleScreen::PromptForName() {
  std::vector<std::string> entries;
  if (!ReadFolder(Game->ProfilePath, entries)) {
    ccRunTimeError("Failed to read directory '" + Game->ProfilePath + "'", 1);
    return 0;
  }
  std::string firstPlayer;
  bool anyPlayerFile = false;
  for (const std::string& entry : entries) {
    if (!IsPlayerFileName(entry)) continue;
    anyPlayerFile = true;
    const std::string player = entry.substr(0, entry.size() - 4);
    if (firstPlayer.empty() && TProfile::IsValidName(player)) firstPlayer = player;
  }
  if (!anyPlayerFile) return SetupPrompt();
  // A remembered name that cannot be a file name is never used as one: the first player found
  // becomes current instead, and the settings remember that one.
  if (!TProfile::IsValidName(Game->ProfileName)) {
    if (firstPlayer.empty()) return SetupPrompt();
    Game->ProfileName = firstPlayer;
    Game->IniUpdate(1);
  }
  Game->CurrentProfile = TProfile::Create(Game->ProfileName);
  InstallProfileHooks(*Game->CurrentProfile);
  Game->CurrentProfile->Load();
  return 0;
}

int TTitleScreen::SetupPrompt() {
  EnterName = EnterNamePrompt(0);
  return 0;
}

int TTitleScreen::SetupWelcome() {
  if (!Game->CurrentProfile) return 0;
  if (Welcome) Welcome->Kill();
  Welcome = TLabel::CreateSpecial(Game->CurrentProfile->Name,
                                  static_cast<float>(ScreenWidth / 2 + 39), 281.0f, 1, 0);
  Welcome->Init(nullptr, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, HintHeaderFont, nullptr);
  Welcome->CalcSize();
  return 1;
}

int TTitleScreen::SpecialStart(int playMusic) {
  TScreen::Start();
  ShallWePlayMusic = playMusic;
  Game->IgnoreEscapeKey = 1;
  if (EnterName) {
    EnterName->Start();
  } else {
    SetupWelcome();
    Intro->Start();
    PlayMusic();
    LoadPhoto();
  }
  if (Game->LoadingScreen) Game->LoadingScreen->LoadingY = ScreenHeight / 2;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  Game->FixedRateLogic->Init();
  return 0;
}

int TTitleScreen::PlayMusic() {
  if (ShallWePlayMusic == 0) return 0;
  if (Game->LastTScreen && Game->LastTScreen == LevelSelectScreen) {
    if (!Game->MusicChannel || !Game->MusicChannel->Playing()) Game->MusicPlay(1);
    return 0;
  }
  Game->MusicPlay(1);
  return 0;
}

int TTitleScreen::MakeResumeDialog() {
  if (ResumeDialog) ResumeDialog->Kill();
  ResumeDialog = TResumeGameDialog::Create(
      GameText->FindString("resume game - message"),
      ccLoadBitmap(Game->ImagePath + "dialogs/dialog_square.png", -1), 330, 0, 0, 1);
  const int dialogY = ResumeDialog->y;
  ResumeDialog->HeaderLoad("dialogs/round_in_progress", static_cast<float>(ScreenWidth / 2),
                           static_cast<float>(dialogY + 46));
  ResumeDialog->Border = 50;
  ResumeDialog->DrawHighlight = 0;
  ResumeDialog->SetupCaption(nullptr, TColor::Create(255, 255, 204, 1.0f),
                             TShadow::Create(2, 2, 0.6f), WildshotFont);
  ResumeDialog->CaptionOX = ResumeDialog->CaptionGetCentredX();
  ResumeDialog->CaptionOY = dialogY + 86;
  for (const char* button : {"continue_round", "new_round"}) {
    if (auto b = ResumeDialog->Menu->FindButton(button)) b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }
  ResumeDialog->HoleData = Game->CurrentProfile ? Game->CurrentProfile->CurrentLevel : 1;
  if (auto save = SaveData()) ResumeDialog->ScoreData = save->CourseToPar;
  ResumeDialog->SetTransitions(200, 0, 0.5f, 1);
  ResumeDialog->Start();
  if (Game->Channels) Game->Channels->PlayGameSound(sounds->Find("resume_game"), nullptr, 0.6f, 0.0f);
  Game->FixedRateLogic->Init();
  return 0;
}

int TTitleScreen::PlayGame() {
  GameScreen->GameStart();
  auto save = SaveData();
  const bool midCourse = save && save->MidCourse != 0;
  FadeOutWithMusic(midCourse ? std::static_pointer_cast<TScreen>(GameScreen)
                             : std::static_pointer_cast<TScreen>(LevelSelectScreen));
  return 0;
}

int TTitleScreen::ShowPlayerManager() {
  PlayerManager = TPlayerManager::Create(
      "Choose Player", ccLoadBitmap(Game->ImagePath + "PlayerManager/player_manager_bg.png", -1), 0,
      0, 0, 7);
  TPlayerManager& m = *PlayerManager;
  m.FrontFrame = ccLoadBitmap(Game->ImagePath + "PlayerManager/player_manager_frame.png", -1);
  if (m.FrontFrame) m.FrontFrame->MidHandle();
  m.FrontFrameX = ScreenWidth / 2;
  m.FrontFrameY = ScreenHeight / 2;
  m.Header = ccLoadBitmap(Game->ImagePath + "PlayerManager/change_player.png", -1);
  if (m.Header) m.Header->MidHandle();
  m.HeaderX = ScreenWidth / 2;
  m.HeaderY = 95;
  m.DrawHighlight = 0;
  m.DimWhenActive = 1;
  m.DimWhenShowingDialogs = 1;
  m.Border = 70;
  m.ButtonGap = 5;
  m.SetupCaption(nullptr, TColor::Create(0, 255, 0, 1.0f), TShadow::Create(3, 3, 0.4f), DialogFont);
  m.Caption->Text = " ";
  m.Menu->ChangeShadow(0, 0, 0, 0);
  m.MenuOX = m.MenuGetCentredX() + 7;
  m.MenuOY = m.y + m.h - 3;
  m.Menu->MakeRow(m.ButtonGap);
  for (const char* name : {"OK", "Cancel"}) {
    if (auto b = m.Menu->FindButton(name)) b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }
  for (const char* name : {"Create", "Delete"}) {
    if (auto b = m.Menu->FindButton(name)) {
      b->LoadMouseClick(std::string(name) + "_down", 350);
      b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
    }
  }
  m.BoxBorderH = 0;
  m.BoxBorderV = 0;
  m.BoxY = 151;
  m.ListBox->SetupFont(nullptr, TColor::Create(255, 255, 255, 1.0f), TShadow::Create(2, 2, 0.4f),
                       HintHeaderFont, nullptr);
  m.ListBox->SetupBox(nullptr);
  m.ListBox->Centred = 1;
  m.ListBox->HighlightCol = TColor::Create(253, 156, 0, 0.65f);
  m.ListBox->HighlightUnder = 1;
  m.ListBox->LineYOffset = -2;
  m.ListBox->ClickSound = sounds->Find("buttonclick");
  m.ErrorDialogFunc = ErrorDialog;
  m.DialogYesNoFunc = MakeDialogYesNo;
  m.EnterNamePromptFunc = EnterNamePrompt;
  m.CreateProfileFunc = [](const std::string& player) {
    CreateProfile(player);
    return 0;
  };
  m.MessageCannotCreate = GameText->FindString("Cannot Create");
  m.MessageCannotDelete = GameText->FindString("Cannot Delete");
  m.MessageConfirmDelete = GameText->FindString("Confirm Delete");
  m.Start();
  Game->FixedRateLogic->Init();
  return 0;
}

int TTitleScreen::DrawWelcome() {
  if (!Welcome || !HintHeaderFont) return 0;
  HintHeaderFont->ScaleFactor = 0.75;
  Welcome->Draw(0, 0);
  HintHeaderFont->ScaleFactor = 1.0;
  return 0;
}

int TTitleScreen::PreStart() {
  const auto from = Game->CurrentTScreen;
  if (from && from == Game->LoadingScreen) return SpecialStart(1);
  const bool reloadsMusic =
      from && (from == GameScreen || from == GameFinishedScreen || from == LevelSelectScreen ||
               from == ShopScreen || from == TrophyScreen || from == CareerStatsScreen);
  SpecialLoad(0, reloadsMusic ? 1 : 0);
  return SpecialStart(reloadsMusic ? 1 : 0);
}

int TTitleScreen::Kill() {
  TScreen::Kill();
  Intro = nullptr;
  if (EnterName) EnterName->Kill();
  EnterName = nullptr;
  Welcome = nullptr;
  Photo = nullptr;
  if (GameScreen) GameScreen->ClearParticles();
  if (ResumeDialog) ResumeDialog->Kill();
  ResumeDialog = nullptr;
  return 0;
}

int TTitleScreen::Logic() {
  if (Intro) Intro->Manage();

  if (EnterName) {
    const int r = EnterName->Manage();
    if (r == 1) {
      CreateProfile(EnterName->TextInput->Text);
      SetupWelcome();
      EnterName->Kill();
      EnterName = nullptr;
      ccFlushAll();
      Intro->Start();
      PlayMusic();
      LoadPhoto();
      Game->FixedRateLogic->Init();
    }
    if (r != 0 && Menu) Menu->ManageNoSound();
    if (EnterName && EnterName->Active != 0) return 0;
  }

  if (PlayerManager) {
    const int r = PlayerManager->Manage();
    if (r != 0) {
      PlayerManager->Kill();
      PlayerManager = nullptr;
      SetupWelcome();
      if (auto b = Menu->FindButton("changeplayer")) {
        b->MouseClickCounter = 0;
        b->Glow = 0;
      }
      Menu->ManageNoSound();
      LoadPhoto();
      Game->FixedRateLogic->Init();
    }
    if (PlayerManager && PlayerManager->Active != 0) return 0;
  }

  if (ResumeDialog && ResumeDialog->Active != 0) {
    const int r = ResumeDialog->Manage();
    auto save = SaveData();
    if (r == 1) {
      TGameScreen::LoadLevelFromProfile = save ? save->MidHole : 0;
    } else if (r == -1) {
      TGameScreen::LoadLevelFromProfile = 0;
      if (save) {
        save->MidCourse = 0;
        save->MidHole = 0;
        save->InitLevelStats();
      }
      if (Game->CurrentProfile) Game->CurrentProfile->CurrentLevel = 1;
      GameScreen->Player->ProfileWrite(Game->CurrentProfile.get());
      Game->FixedRateLogic->Init();
    }
    if (r != 0) {
      PlayGame();
      Menu->ManageNoSound();
    }
    if (ResumeDialog && ResumeDialog->Active != 0) return 0;
  }

  TScreen::Logic();

  if (Menu->Clicked("changeplayer")) ShowPlayerManager();
  if (Menu->Clicked("Bigplay")) {
    auto save = SaveData();
    if (save && save->MidCourse != 0) {
      MakeResumeDialog();
    } else {
      PlayGame();
    }
  }
  if (Menu->Clicked("titleoptions")) {
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 1, 0);
    Game->DestinationTScreen = OptionsScreen;
    OptionsScreen->Destination = TitleScreen;
  }
  if (Menu->Clicked("careerstats")) FadeOutWithMusic(CareerStatsScreen);
  if (Menu->Clicked("trophies")) FadeOutWithMusic(TrophyScreen);
  if (Menu->Clicked("golfshop")) {
    FadeOutWithMusic(ShopScreen);
    ShopScreen->Destination = TitleScreen;
  }
  if (KeyHit(KEY_ESCAPE) != 0) {
    if (auto b = Menu->FindButton("exit")) b->SimulateClick();
    FadeOutWithMusic(Game->ExitScreen);
  }
  if (Menu->Clicked("exit")) FadeOutWithMusic(Game->ExitScreen);
  return 0;
}

int TTitleScreen::Draw() {
  if (DrawDisabled == 0) {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::Cls();
    if (Image) platform::DrawImage(Image, 0, 0, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    if (Intro && Intro->Active != 0 && Header && Header->image) {
      const float h = static_cast<float>(Header->image->h);
      Header->y = -Header->image->h2 + h * Intro->GetRatioInv();
      Header->x = static_cast<float>(ScreenWidth / 2);
      Header->Draw();
      if (BallFont) {
        BallFont->ScaleFactor = 0.9;
        ccShadowTextSet(0, 0, 0);
        BallFont->DrawAligned("1.03", 498, Header->y - 75, 0, 1, 1, 0);
        BallFont->ScaleFactor = 1.0;
      }
    }
    if (Photo && Photo->image) platform::DrawImage(Photo->image, 316, 315, 0);
  }
  if (Menu) Menu->Draw(0, 0);
  if (HintFont) {
    HintFont->ScaleFactor = 0.75;
    platform::SetColor(220, 220, 220);
    const double w = HintFont->StringWidth(Copyright);
    const double h = HintFont->StringHeight("ABCXYZ");
    HintFont->Draw(Copyright, ScreenWidth - w - 2, ScreenHeight - h - 2, 0, 0, 0, 0, 0);
    platform::SetColor(255, 255, 255);
    HintFont->ScaleFactor = 1.0;
  }
  if (EnterName) {
    ccDimScreen(0.5f);
    EnterName->Draw();
  }
  if (PlayerManager) PlayerManager->Draw();
  const bool childActive = (EnterName && EnterName->Active != 0) ||
                           (PlayerManager && PlayerManager->Active != 0);
  if (!childActive) {
    DrawWelcome();
    if (ResumeDialog) ResumeDialog->Draw();
  }
  return 0;
}

int TTitleScreen::SetEscDestination() {
  Game->DestinationTScreen = Game->ExitScreen;
  return 0;
}
