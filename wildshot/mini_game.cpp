// The mini-game frame shared by the Long Drive, the Putting and the Lost Ball: the panel inside the
// wild shot dialog, its menu with "shoot" and "OK", the fades, the result and the hand-back.

#include "wildshot/wildshot_screen.h"

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/line.h"
#include "gfx/sound_bank.h"
#include "progress/currency.h"
#include "progress/progress_rules.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/image.h"
#include "util/input.h"
#include "util/strings.h"
#include "util/word_wrap.h"
#include "wildshot/ball_motion.h"

int TWildshotScreen::LoadMiniGame() {
  MinigameMenu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  if (Menu)
    for (const char* name : {"OK", "play_wild", "stop_wild"})
      if (auto button = Menu->FindButton(name)) button->Active = 0;
  InstructionsFont = HintFont;
  ExclamationFont = HintHeaderFont;
  ResultsFont = StatsFont;
  MinigamePhase = MINIGAME_PHASE_AIMING;
  MinigameFadeOut = TAnimation::Create(250, 0, 0, 0);
  ResultFadeIn = TAnimation::Create(250, 0, 0, 0);
  switch (Minigame) {
    case 1: LoadLongDrive(); break;
    case 2: LoadPutting(); break;
    case 3: LoadLostBall(); break;
    default: break;
  }
  if (Game && Game->FixedRateLogic) Game->FixedRateLogic->Init();
  return 0;
}

int TWildshotScreen::LoadShootButton() {
  MinigameMenu->AddQuick("shoot", "");
  if (auto shoot = MinigameMenu->FindButton("shoot")) {
    shoot->SetFixedGlowOnMO(0.5f, 0.02f, 0);
    shoot->LoadMouseClick("shoot_down", 60000);
    shoot->OKButton = 1;
  }
  MinigameMenuY = DialogHeight() - 79;
  MinigameMenu->SetX(static_cast<float>(MinigameX + 10));
  MinigameMenu->SetY(static_cast<float>(MinigameMenuY));
  return 0;
}

int TWildshotScreen::LoadMinigameOKButton() {
  MinigameMenu->AddQuick("ok_wild", "ok");
  if (auto ok = MinigameMenu->FindButton("ok")) {
    ok->SetFixedGlowOnMO(0.5f, 0.02f, 0);
    ok->LoadMouseClick("ok_wild_down", 100);
    ok->OKButton = 1;
    ok->y = static_cast<float>(MinigameMenuY + 1);
    ok->Active = 0;
  }
  return 0;
}

float TWildshotScreen::GetCourseRatio() {
  const int index = GameGrid ? CourseGetIndex(GameGrid->LevelName) : -1;
  return CourseRatio(index, Game ? Game->MaxLevels : 0);
}

int TWildshotScreen::LineAdd(int, int, int, int) {
  // The putting map's walls take no part in play; the map is not read.
  return 0;
}

int TWildshotScreen::ReboundBall(const std::shared_ptr<TLine>&) { return 0; }

int TWildshotScreen::KillMinigame() {
  MinigameBG.reset();
  if (MinigameMenu) MinigameMenu->Kill();
  MinigameMenu.reset();
  InstructionsFont.reset();
  ExclamationFont.reset();
  Instructions.clear();
  MinigameFadeOut.reset();
  ResultFadeIn.reset();
  switch (Minigame) {
    case 1:
      Clouds = {};
      Trees = {};
      Markers = {};
      Gauge.reset();
      Arrow.reset();
      Ball.reset();
      Shadow.reset();
      Line.reset();
      Scenery1 = {};
      Scenery2 = {};
      Scenery3 = {};
      Scenery4 = {};
      ScenerySigns = {};
      BallBounceSound.reset();
      TinyDriveSound.reset();
      SmallDriveSound.reset();
      MedDriveSound.reset();
      BigDriveSound.reset();
      PerfectDriveSound.reset();
      break;
    case 2:
      Arrow.reset();
      Ball.reset();
      Hole.reset();
      Block.reset();
      Lines = {};
      LinesCount = 0;
      BallBounceSound.reset();
      break;
    case 3:
      // Safe however often it runs: play can be left before the panel was ever built.
      if (Cards) Cards->Kill();
      Cards.reset();
      SoundFoundMoney.reset();
      SoundFoundBall.reset();
      break;
    default:
      break;
  }
  return 0;
}

int TWildshotScreen::MinigameLogic() {
  if (!MinigameActive || !MinigameMenu) return 0;
  MinigameMenu->Manage();
  if (MinigameMenu->Clicked("OK")) {
    RollUp();
    Result = WILDSHOT_RESULT_OK;
    return -1;
  }
  switch (Minigame) {
    case 1: MinigameLongDrive(); break;
    case 2: MinigamePutting(); break;
    case 3: MinigameLostBall(); break;
    default: break;
  }
  if (MinigamePhase == MINIGAME_PHASE_RESULT && ResultFadeIn && ResultFadeIn->Manage() == 1) {
    ccFlushAll();
    if (auto ok = MinigameMenu->FindButton("OK")) {
      ok->Active = 1;
      ok->AlwaysDraw = 0;
    }
    if (MinigameGood)
      PlayCheer(1, 0);
    else
      PlayGroan();
  }
  return 1;
}

int TWildshotScreen::MinigameDraw() {
  if (!MinigameActive) return 0;
  float alpha = 1.0f;
  if (MinigameFadeIn && MinigameFadeIn->Active) alpha = MinigameFadeIn->GetRatioInv();
  switch (Minigame) {
    case 1: DrawLongDrive(alpha); break;
    case 2: DrawPutting(alpha); break;
    case 3: DrawLostBall(alpha); break;
    default: break;
  }
  platform::SetAlpha(1.0f);
  return 1;
}

int TWildshotScreen::MinigameDrawResult(const std::string& text, int y) {
  if (ResultsFont) ResultsFont->DrawAlignedWithShadow(text, ScreenWidth / 2, y, 1, 1, 0);
  return 0;
}

std::vector<std::string> TWildshotScreen::InstructionLines(const std::string& key, int value) {
  std::string text = GameText ? GameText->FindString(key) : std::string();
  for (auto at = text.find("XX"); at != std::string::npos; at = text.find("XX"))
    text.replace(at, 2, std::to_string(value));
  return ccWordWrapArray(ccSplitStringIntoLines(text), InstructionsWidth, InstructionsFont);
}

std::string TWildshotScreen::TextOf(const std::string& key) const {
  return GameText ? GameText->FindString(key) : std::string();
}

void TWildshotScreen::PlayField(const std::shared_ptr<TGameSound>& sound, float volume) {
  if (sound && GameGrid && GameGrid->Channels)
    GameGrid->Channels->PlayGameSound(sound, nullptr, volume, 0.0f);
}

void TWildshotScreen::ShowResultButtons() {
  if (!MinigameMenu) return;
  if (auto shoot = MinigameMenu->FindButton("shoot")) shoot->Active = 0;
  if (auto ok = MinigameMenu->FindButton("OK")) ok->AlwaysDraw = 1;
}

void TWildshotScreen::DimPanel(float alpha) {
  ccDimArea(alpha, MinigameX, static_cast<int>(static_cast<float>(MinigameY) + TopY), MinigameW, MinigameH);
}

std::string TWildshotScreen::WinningsLine() const {
  return WinningsText + ": " + GetCurrencyChar() + std::to_string(Prize);
}

std::string TWildshotScreen::DistanceLine() const {
  const std::string unit = Game && Game->Region == 0 ? "yds" : "m";
  return DistanceText + ": " + ccRoundFloatToString(Distance, 2) + unit;
}
