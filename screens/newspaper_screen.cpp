#include "screens/newspaper_screen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "content/course.h"
#include "content/globals.h"
#include "content/newspaper_pictures.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/ambient_sound.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "platform/graphics.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/required_sound.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/strings.h"

namespace {

std::string Text(const char* key) { return GameText ? GameText->FindString(key) : std::string(); }

std::string Number(const TStat& stat) { return std::to_string(stat.Value); }
std::string Money(const TStat& stat) { return GetCurrencyChar() + std::to_string(stat.Value); }
std::string TwoPlaces(const TStat& stat) {
  return ccRoundFloatToString(static_cast<float>(stat.FloatValue), 2);
}

// Byte offsets of the characters of a UTF-8 text, and its byte length at the end.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  starts.push_back(text.size());
  return starts;
}

TGameImageRef LoadPicture(const std::string& name) {
  return TGameImage::Create(Game->ImagePath + name, 6, 0);
}

void DrawWithHandle(const TGameImageRef& picture, float hx, float hy, float x, float y) {
  if (!picture || !picture->image) return;
  picture->image->SetHandle(hx, hy);
  platform::DrawImage(picture->image, x, y, 0);
}

}  // namespace

TNewspaperScreen::TNewspaperScreen() = default;
TNewspaperScreen::~TNewspaperScreen() = default;

int TNewspaperScreen::InsertVariable(std::string& text, const std::string& key, const std::string& value) {
  const std::string pattern = "[" + key + "]";
  const std::size_t at = text.find(pattern);
  if (at != std::string::npos) text = text.substr(0, at) + value + text.substr(at + pattern.size());
  return 0;
}

std::string NewspaperHeadline(const std::string& story, const TPlayer& player) {
  const TSaveData& save = *player.SaveData;
  const TCareerStats& cs = *save.CareerStats;
  const bool gent = save.Male != 0;
  const int trophies = static_cast<int>(
      std::count_if(save.Trophies.begin(), save.Trophies.end(), [](int t) { return t != 0; }));
  cs.MiniGameLongestDrive->DataType = 5;
  const std::pair<const char*, std::string> values[] = {
      {"NAME", player.Name},
      {"TROPHIES", std::to_string(trophies)},
      {"AVERAGE9", TwoPlaces(*cs.Total9ScoreAverage)},
      {"AVERAGE18", TwoPlaces(*cs.Total18ScoreAverage)},
      {"SEX", Text(gent ? "His" : "Her")},
      {"HE/SHE", Text(gent ? "He" : "She")},
      {"EARNINGS", Money(*cs.CareerEarnings)},
      {"PERFECTS", Number(*cs.TotalPerfects)},
      {"BEST9SCORE", Number(*cs.Lowest9HoleScore)},
      {"BEST18SCORE", Number(*cs.Lowest18HoleScore)},
      {"BEST9COURSE", cs.Lowest9HoleScore->CourseName},
      {"BEST18COURSE", cs.Lowest18HoleScore->CourseName},
      {"TOTALCOURSES", Number(*cs.TotalCoursesPlayed)},
      {"TOTALHOLES", Number(*cs.TotalHolesPlayed)},
      {"LONGESTDRIVE", cs.MiniGameLongestDrive->FormatValue()},
      {"GOPHERVISITS", Number(*cs.TotalGopherVisits)},
      {"GOPHERFLUSHES", Number(*cs.TotalGopherFlushed)},
      {"GOPHERMONEYSTOLEN", Money(*cs.TotalGopherMoneyLost)},
      {"GOPHERMONEYRECOVERED", Money(*cs.TotalGopherMoneyFound)},
      {"IRONSPLAYED", Number(*cs.IronsPlayed)},
      {"HIGHESTHOLECASH", Money(*cs.HighestHoleCash)},
      {"HIGHESTCOURSECASH", Money(*cs.HighestCourseCash)},
      {"AVERAGEHOLECASH", Money(*cs.AverageHoleCash)},
      {"AVERAGECOURSECASH", Money(*cs.AverageCourseCash)},
      {"PERFECTS9", Number(*cs.MostPerfectOn9Hole)},
      {"PERFECTS18", Number(*cs.MostPerfectOn18Hole)},
      {"PERFECTS9COURSE", cs.MostPerfectOn9Hole->CourseName},
      {"PERFECTS18COURSE", cs.MostPerfectOn18Hole->CourseName},
  };
  std::string text = story;
  for (const auto& [key, value] : values) TNewspaperScreen::InsertVariable(text, key, value);
  return text;
}

void FitHeadline(TBitmapFont& font, std::string& line1, std::string& line2, int width, int height,
                 float gap) {
  const double W = width;
  const double H = height;
  const double g = gap;
  const double k = 0.8f;
  font.ScaleFactor = 1;
  const double w = font.StringWidth(line1);
  line2.clear();
  bool twoLines = false;
  if (w > W) {
    const std::vector<std::size_t> starts = CharacterStarts(line1);
    const std::size_t len = starts.size() - 1;
    const std::size_t s = (len + 1) / 2;  // Ceil(len / 2), 1-based
    for (std::size_t p = s; p >= 1 && p <= len; ++p) {
      if (line1[starts[p - 1]] != ' ') continue;
      line2 = line1.substr(starts[p]);
      line1 = line1.substr(0, starts[p - 1]);
      twoLines = true;
      break;
    }
  }
  double e = w;
  if (twoLines) {
    e = std::max(std::trunc(font.StringWidth(line1)), std::trunc(font.StringWidth(line2)));
  }
  const double h1 = font.StringHeight("ABCXYZ");
  // A font without height cannot be fitted: it keeps scale 1 rather than dividing by nothing.
  if (!(h1 > 0) || !std::isfinite(h1)) return;
  const double oneLineLimit = H / (k * h1);
  const double twoLineLimit = H / (2 * k * h1 + g * k * h1);
  // A headline without width gives no width scale: the height limit of one line stands.
  font.ScaleFactor = e > 0 ? W / e : oneLineLimit;
  const double l = k * font.StringHeight("ABCXYZ");
  if (!twoLines) {
    if (l > H) font.ScaleFactor = oneLineLimit;
  } else if (2 * l + g * l > H) {
    font.ScaleFactor = twoLineLimit;
  }
}

int TNewspaperScreen::Load() {
  name = "newspaper";
  Game->MusicLoad("newspaper.ogg", 1);
  ImageLoad("newspaper/newspaper_bg.jpg", 0);
  const TPlayer& player = *GameScreen->Player;
  const TSaveData& save = *player.SaveData;
  Newspaper = TGameImage::Create(Game->ImagePath + "newspaper/newspaper.png", -1, 1);

  const std::shared_ptr<TCourse> course = CourseFind(save.CourseName);
  if (!course) {
    // A profile naming a course the list does not hold: the plain statistics page, no headline.
    std::printf("Newspaper: no course named '%s'\n", save.CourseName.c_str());
    std::fflush(stdout);
  }
  Sign = 0;
  const TNewspaperPictures pictures =
      course ? NewspaperPicturesFor(course->StoryPicture, course->Name) : NewspaperPicturesFor(3, "");
  Picture = LoadPicture(pictures.Picture);
  Trophy = pictures.Trophy.empty() ? nullptr : LoadPicture(pictures.Trophy);
  Avatar = pictures.Portrait != 0 ? LoadPicture(NewspaperPortrait(save.Male, save.Avatar)) : nullptr;
  Sign = pictures.Sign;

  Spin = RequiredSound("newspaper_spin");
  Thump = RequiredSound("newspaper_land");
  Ambience = std::make_shared<TAmbientSounds>();
  Ambience->Init(1000, 15);
  Ambience->Fill(Game->SoundPath + "newspaper/", 4, ".ogg");

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  if (auto ok = AddStandardOKButton(Menu)) ok->y = 524;

  HeadLine1 = course ? NewspaperHeadline(course->StoryText, player) : std::string();
  HeadLine2.clear();
  if (NewspaperFont)
    FitHeadline(*NewspaperFont, HeadLine1, HeadLine2, HeadlineWidthMax, HeadlineHeightMax, HeadlineGap);

  Intro = TAnimation::Create(500, 0, 0, 0);
  Intro->Start();
  return 0;
}

int TNewspaperScreen::Start() {
  TScreen::Start();
  Game->MusicPlay(1);
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  Game->GameFade->SetToFullOnAbort = 0;
  Game->FixedRateLogic->Init();
  return 0;
}

int TNewspaperScreen::PostFadeIn() {
  TGameFade& fade = *Game->GameFade;
  if (fade.FadeInAborted == 0) {
    Game->Channels->PlayGameSound(Spin, nullptr, 1.0f, 0);
    return 0;
  }
  const int n = static_cast<int>(Game->CalcAnimLength(FADE_SPEED) - fade.FadeCounterBeforeAbort);
  if (fade.AbortKey == 0) {
    fade.Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, static_cast<float>(n));
    Game->DestinationTScreen = LevelSelectScreen;
  } else {
    if (auto ok = Menu->FindButton("ok")) ok->SimulateClick();
    fade.Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, static_cast<float>(n));
    Game->DestinationTScreen = GameScreen;
  }
  return 0;
}

int TNewspaperScreen::Logic() {
  TScreen::Logic();
  if (Intro->Manage() == 1) Game->Channels->PlayGameSound(Thump, nullptr, 0.8f, 0);
  Ambience->Manage();
  if (Menu->Clicked("ok") != 0) {
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
    Game->DestinationTScreen = GameScreen;
  }
  return 0;
}

int TNewspaperScreen::SetEscDestination() {
  Game->DestinationTScreen = LevelSelectScreen;
  return 0;
}

int TNewspaperScreen::Draw() {
  TScreen::Draw();
  const float r = Intro ? Intro->GetRatio() : 0.0f;
  const int sx = static_cast<int>(0 - Newspaper->w2);
  const int sy = static_cast<int>(0 - Newspaper->h2);
  const int cx = ScreenWidth / 2;
  const int cy = ScreenHeight / 2;
  const float x = std::trunc(cx - (cx - sx) * r);
  const float y = std::trunc(cy - (cy - sy) * r);
  const float s = (1 - r) * 0.5f + 0.5f;
  platform::SetRotation(r * 360);
  platform::SetScale(s, s);

  DrawWithHandle(Picture, 302, 72, x, y);
  DrawWithHandle(Trophy, 90, -25, x, y);
  if (Sign != 0) {
    DrawWithHandle(Avatar, 82, 65, x, y);
  } else {
    DrawWithHandle(Avatar, -28, 32, x, y);
  }
  platform::DrawImage(Newspaper->image, x, y, 0);

  if (NewspaperFont) {
    TBitmapFont& font = *NewspaperFont;
    const int h = static_cast<int>(font.StringHeight("ABCXYZ"));
    int y1 = static_cast<int>(-115 - h * 0.2);
    const float d = static_cast<float>(h) * 0.8f;
    if (!HeadLine2.empty()) y1 = static_cast<int>(y1 - (d + d * HeadlineGap) / 2);
    font.ChangeHandle = 1;
    font.HandleX = 4;
    font.HandleY = h / 2 - y1;
    platform::SetColor(50, 50, 50);
    font.DrawAligned(HeadLine1, x, y, 1, 0, 0, 0);
    if (!HeadLine2.empty()) {
      const int y2 = static_cast<int>(y1 + d + d * HeadlineGap);
      font.HandleX = 4;
      font.HandleY = h / 2 - y2;
      font.DrawAligned(HeadLine2, x, y, 1, 0, 0, 0);
    }
  }
  platform::SetColor(255, 255, 255);
  platform::SetRotation(0);
  platform::SetScale(1, 1);
  Menu->Draw(0, 0);
  return 0;
}

int TNewspaperScreen::Kill() {
  TScreen::Kill();
  Newspaper.reset();
  Picture.reset();
  Trophy.reset();
  Avatar.reset();
  Intro.reset();
  Spin.reset();
  Thump.reset();
  if (Ambience) Ambience->Kill();
  return 0;
}
