#include "screens/career_stats_screen.h"

#include <cmath>
#include <limits>

#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/bitmap_font.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "play/game_screen.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/stat.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/room_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/text_draw.h"

const std::array<TCareerStatsScreen::Row, TCareerStatsScreen::ROWS> TCareerStatsScreen::Rows = {{
    {&TCareerStats::Lowest9HoleScore, "Stat - Lowest 9 Hole Score", STAT_SCORE, 0, 1, 0},
    {&TCareerStats::Lowest18HoleScore, "Stat - Lowest 18 Hole Score", STAT_SCORE, 0, 1, 0},
    {&TCareerStats::Total9ScoreAverage, "Stat - Average 9 Hole Score", STAT_SCORE, 0, 0, 0},
    {&TCareerStats::Total18ScoreAverage, "Stat - Average 18 Hole Score", STAT_SCORE, 0, 0, 0},
    {&TCareerStats::CareerEarnings, "Stat - Career Earnings", STAT_CASH, 1, 0, 0},
    {&TCareerStats::HighestHoleCash, "Stat - Highest Hole Cash", STAT_CASH, 1, 1, 1},
    {&TCareerStats::HighestCourseCash, "Stat - Highest Course Cash", STAT_CASH, 1, 1, 0},
    {&TCareerStats::AverageHoleCash, "Stat - Average Hole Cash", STAT_CASH, 1, 0, 0},
    {&TCareerStats::AverageCourseCash, "Stat - Average Course Cash", STAT_CASH, 1, 0, 0},
    {&TCareerStats::FastestHole, "Stat - Fastest Timed Hole", STAT_SECONDS, 0, 1, 1},
    {&TCareerStats::FastestCourse, "Stat - Fastest Timed Course", STAT_SECONDS, 0, 1, 0},
    {&TCareerStats::AverageTimedHole, "Stat - Average Timed Hole", STAT_SECONDS, 0, 0, 0},
    {&TCareerStats::AverageTimedCourse, "Stat - Average Timed Course", STAT_SECONDS, 0, 0, 0},
    {&TCareerStats::TotalPerfects, "Stat - Total Perfects", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::MostPerfectOn9Hole, "Stat - Most Perfects On 9 Hole", STAT_NUMBER, 1, 1, 0},
    {&TCareerStats::MostPerfectOn18Hole, "Stat - Most Perfects On 18 Hole", STAT_NUMBER, 1, 1, 0},
    {&TCareerStats::LongestDrive, "Stat - Longest Drive", STAT_NUMBER, 1, 1, 1},
    {&TCareerStats::Total5x, "Stat - Total 5x", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::TotalTimePlayed, "Stat - Total Time Played", STAT_HOURS, 1, 0, 0},
    {&TCareerStats::TotalCoursesPlayed, "Stat - Total Courses Played", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::TotalHolesPlayed, "Stat - Total Holes Played", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::TotalCardsPlayed, "Stat - Total Cards Played", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::IronsPlayed, "Stat - Irons Played", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::TotalGopherVisits, "Stat - Gopher Visits", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::TotalGopherMoneyLost, "Stat - Gopher Money Lost", STAT_CASH, 1, 0, 0},
    {&TCareerStats::TotalGopherFlushed, "Stat - Gopher Flushed", STAT_NUMBER, 1, 0, 0},
    {&TCareerStats::TotalGopherMoneyFound, "Stat - Gopher Money Found", STAT_CASH, 1, 0, 0},
    {&TCareerStats::MiniGameLongestDrive, "Stat - Minigame Longest Drive", STAT_DISTANCE, 1, 0, 0},
}};

TCareerStatsScreen::TCareerStatsScreen() { name = "career stats"; }

int TCareerStatsScreen::SecondsPlayed(double profileTicks, double msPerTick) {
  const double ms = std::floor(profileTicks * msPerTick);
  if (!std::isfinite(ms) || ms <= 0) return 0;
  const double seconds = ms / 1000.0;
  if (seconds >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(seconds);
}

void TCareerStatsScreen::PrepareRows(TCareerStats& stats, double profileTicks, double msPerTick,
                                     const std::string& profileName) {
  for (const Row& row : Rows) {
    auto& stat = stats.*(row.Field);
    if (!stat) stat = std::make_shared<TStat>();
    stat->Label = GameText ? GameText->FindString(row.Key) : std::string();
    stat->DataType = row.DataType;
    stat->ShowEmpty = row.ShowEmpty;
    stat->ShowAll = row.ShowAll;
    stat->ShowHoleNumber = row.ShowHoleNumber;
  }
  auto& played = stats.TotalTimePlayed;
  played->Value = SecondsPlayed(profileTicks, msPerTick);
  if (played->Value > 0) played->PlayerName = profileName;
}

int TCareerStatsScreen::Load() {
  name = "career stats";
  Game->LoadingScreen->DrawLoading(1);
  Game->MusicLoad("stats screen.ogg", 1);
  ImageLoad("CareerStats/career_stats_bg.jpg", 0);
  HeaderLoad("CareerStats/career_stats", static_cast<float>(ScreenWidth / 2), 26.0f);
  for (int n = 1; n <= 5; ++n)
    Labels[n - 1] = TGameImage::Create(Game->ImagePath + "CareerStats/label" + std::to_string(n) + ".png", -1, 0);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  if (auto ok = AddStandardOKButton(Menu)) ok->y = 556.0f;
  RowFont.reset();
  if (HintFont) {
    RowFont = std::make_shared<TBitmapFont>(*HintFont);
    RowFont->ScaleFactor = ROW_FONT_SCALE;
  }
  const auto& profile = Game->CurrentProfile;
  PrepareRows(*GameScreen->Player->SaveData->CareerStats, profile ? profile->TimeTaken : 0.0,
              Game->FixedRateLogic->MS, profile ? profile->Name : std::string());
  Game->FadeMusic = 0;
  return 0;
}

int TCareerStatsScreen::Start() {
  StartRoom(*this);
  return 0;
}

int TCareerStatsScreen::Logic() {
  TScreen::Logic();
  if (Menu->Clicked("OK")) Close();
  if (EscapePressesButton(*Menu, "OK")) Close();
  return 0;
}

int TCareerStatsScreen::Close() {
  FadeOutTo(TitleScreen);
  return 0;
}

int TCareerStatsScreen::Draw() {
  TScreen::Draw();
  for (int n = 0; n < 5; ++n)
    if (Labels[n]) platform::DrawImage(Labels[n]->image, static_cast<float>(ColumnX[n] - 10), 57.0f, 0);
  TCareerStats& stats = *GameScreen->Player->SaveData->CareerStats;
  stats.font = RowFont;
  stats.Col1 = ColumnX[0];
  stats.Col2 = ColumnX[1];
  stats.Col3 = ColumnX[2];
  stats.Col4 = ColumnX[3];
  stats.Col5 = ColumnX[4];
  stats.Col6 = ColumnX[5];
  stats.Y = FIRST_ROW_Y;
  stats.Gap = ROW_GAP;
  ccShadowTextSet(2, 2, 0.6f);
  ccTextAlpha = 1.0f;
  int row = 0;
  for (int g = 0; g < 5; ++g) {
    if (g > 0) stats.Y += GROUP_GAP;
    for (int i = 0; i < GroupSizes[g]; ++i, ++row) {
      auto& stat = stats.*(Rows[row].Field);
      if (stat) stat->Draw();
    }
  }
  return 0;
}

int TCareerStatsScreen::Kill() {
  TScreen::Kill();
  for (auto& label : Labels) label.reset();
  RowFont.reset();
  return 0;
}

int TCareerStatsScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 0;
}
