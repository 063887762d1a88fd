#include "screens/level_select_screen.h"

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "util/image.h"

const std::array<std::string, TLevelSelectScreen::MAX_COURSESHOTS>
    TLevelSelectScreen::CourseShotNames = {
        "beach1",  "beach2",    "city1",     "city2",      "country1",   "country2",  "desert1",
        "desert2", "forest1",   "forest2",   "japan1",     "japan2",     "jungle1",   "jungle2",
        "jungle3", "mountain1", "mountain2", "municipal1", "municipal2", "scotland1", "scotland2"};

TLevelSelectScreen::TLevelSelectScreen() { name = "levelselect"; }
TLevelSelectScreen::~TLevelSelectScreen() = default;

int TLevelSelectScreen::Load() { return 0; }

int TLevelSelectScreen::Start() {
  TScreen::Start();
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  return 0;
}

int TLevelSelectScreen::PostFadeIn() { return 0; }
int TLevelSelectScreen::Logic() { return TScreen::Logic(); }

int TLevelSelectScreen::Draw() {
  ccClsNoFlip(16, 40, 24);
  TScreen::Draw();
  return 0;
}

int TLevelSelectScreen::Kill() { return TScreen::Kill(); }

int TLevelSelectScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 0;
}

float TLevelSelectScreen::CalcScale(int) { return 0.0f; }
int TLevelSelectScreen::GetFee(int fee) { return fee; }
int TLevelSelectScreen::CanAfford() { return 0; }
int TLevelSelectScreen::LevelSelected() { return 0; }
int TLevelSelectScreen::CalcScrollCoords() { return 0; }
int TLevelSelectScreen::SelectedCourseChange() { return 0; }
int TLevelSelectScreen::DrawZoomed(const std::shared_ptr<TGameImage>&, float, float, int) {
  return 0;
}

int TLevelSelectScreen::ConvertXY(float& x, float& y) {
  const float z = 1.0f - Scale;
  x = ScrollX + (50.0f + x) * z;
  y = ScrollY + y * z;
  return 0;
}

int TLevelSelectScreen::CourseShotIndex(const std::string&) { return -1; }
int TLevelSelectScreen::RefundUnstartedRound() { return 0; }
float TLevelSelectScreen::PictureScale() const { return 1.0f; }
int TLevelSelectScreen::DrawCash() { return 0; }
int TLevelSelectScreen::DrawScores() { return 0; }

int TLevelSelectScreen::ScrollMax(int courses) {
  return courses > LIST_ROWS ? courses - LIST_ROWS : 0;
}

std::string TLevelSelectScreen::ScoreTimeText(const std::string& time) { return time; }
