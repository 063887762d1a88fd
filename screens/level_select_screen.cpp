#include "screens/level_select_screen.h"

#include <algorithm>
#include <cmath>

#include "content/course.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/best_score.h"
#include "progress/best_score_list.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/newspaper_screen.h"
#include "screens/shop_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "ui/scroll_bar.h"
#include "util/animation.h"
#include "util/image.h"
#include "util/input.h"
#include "util/maths.h"
#include "gfx/shadow.h"
#include "util/strings.h"
#include "util/types.h"
#include "util/word_wrap.h"

namespace {

// Avatar item ids that change the course selector's figures.
constexpr int ITEM_FEE_REDUCED = 9;
constexpr int ITEM_PURSE_INCREASED = 11;

// The zoom target in picture pixels.
constexpr float ZOOM_TARGET_X = 450.0f;
constexpr float ZOOM_TARGET_Y = 300.0f;

TSaveData* TheSave() {
  TPlayer* player = CurrentPlayer();
  return player && player->SaveData ? player->SaveData.get() : nullptr;
}

std::string Text(const std::string& key) { return GameText ? GameText->FindString(key) : key; }

std::shared_ptr<TGameImage> Picture(const std::string& file) {
  return TGameImage::Create(Game->ImagePath + file, -1, 0);
}

// The unlock state of a course index: locked for an index the save record does not hold.
int UnlockState(int index) {
  const TSaveData* save = TheSave();
  if (!save || index < 0 || index >= static_cast<int>(save->UnlockedCourses.size())) return 0;
  return save->UnlockedCourses[static_cast<std::size_t>(index)];
}

void ButtonsActive(TMenu& menu, int active) {
  for (const char* name : {"Back", "Start", "Golfshop"}) {
    if (auto b = menu.FindButton(name)) b->Active = active;
  }
}

void PressButton(TMenu& menu, const char* name) {
  if (auto b = menu.FindButton(name)) {
    b->FixedGlowOnMOActivate();
    b->Click();
  }
}

}  // namespace

const std::array<std::string, TLevelSelectScreen::MAX_COURSESHOTS>
    TLevelSelectScreen::CourseShotNames = {
        "beach1",  "beach2",    "city1",     "city2",      "country1",   "country2",  "desert1",
        "desert2", "forest1",   "forest2",   "japan1",     "japan2",     "jungle1",   "jungle2",
        "jungle3", "mountain1", "mountain2", "municipal1", "municipal2", "scotland1", "scotland2"};

TLevelSelectScreen::TLevelSelectScreen() { name = "levelselect"; }
TLevelSelectScreen::~TLevelSelectScreen() = default;

int TLevelSelectScreen::CourseShotIndex(const std::string& backgroundImage) {
  std::string shot = backgroundImage;
  const auto dot = shot.rfind('.');
  if (dot != std::string::npos) shot.erase(dot);
  for (int i = 0; i < MAX_COURSESHOTS; ++i) {
    if (CourseShotNames[static_cast<std::size_t>(i)] == shot) return i;
  }
  // A scene with no photograph of this suffix shows the scene's first photograph.
  std::string scene = shot;
  while (!scene.empty() && std::isdigit(static_cast<unsigned char>(scene.back())) != 0) scene.pop_back();
  if (scene.empty() || scene == shot) return -1;
  for (int i = 0; i < MAX_COURSESHOTS; ++i) {
    if (CourseShotNames[static_cast<std::size_t>(i)] == scene + "1") return i;
  }
  return -1;
}

int TLevelSelectScreen::ScrollMax(int courses, int rows) {
  return courses > rows ? courses - rows : 0;
}

int TLevelSelectScreen::VisibleRows() const {
  if (!ListBox || ListBox->LineHeight <= 0) return LIST_ROWS;
  // The list box's rows are as tall as its font makes them: as many as fit in the box show.
  return std::clamp(LIST_HEIGHT / ListBox->LineHeight, 1, LIST_ROWS);
}

int TLevelSelectScreen::RefundUnstartedRound() {
  TPlayer* player = CurrentPlayer();
  TSaveData* save = TheSave();
  if (!player || !save || !Game->CurrentProfile) return 0;
  if (save->MidCourse != 1 || save->MidHole != 0 || Game->CurrentProfile->CurrentLevel != 1) return 0;
  // A round paid for and left before its first hole (Escape from the newspaper): the fee goes back,
  // so choosing again charges it once.
  auto course = CourseFind(save->CourseName);
  if (course) player->Score = ccSaturatingAdd(player->Score, GetFee(course->Fee));
  save->MidCourse = 0;
  player->ProfileUpdatePlayer(*Game->CurrentProfile);
  player->ProfileWrite(Game->CurrentProfile.get());
  Game->FixedRateLogic->Init();
  return 1;
}

int TLevelSelectScreen::Load() {
  name = "levelselect";
  if (Game->LoadingScreen) Game->LoadingScreen->DrawLoading(1);
  Game->MusicLoad("course selector.ogg", 1);
  RefundUnstartedRound();

  Background = ccLoadBitmap(Game->ImagePath + "CourseSelector/bg.jpg", 0);
  if (Background) Background->SetHandle(0, 0);
  ImageLoad("CourseSelector/course_selector_bg.png", -1);

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto back = Menu->AddNew("CSmenu", "CSmenuMO", "back", 0, 0, 1);
  back->LoadMouseClick("CSmenu_down", 350);
  auto start = Menu->AddNew("Bigplay", "BigplayMO", "start", 0, 0, 1);
  start->LoadMouseClick("Bigplay_down", 10000);
  auto shop = Menu->AddNew("golfshop", "golfshopMO", "golfshop", 0, 0, 1);
  for (const auto& b : {back, start, shop}) {
    b->Active = 0;
    b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }
  Menu->MakeRow(148);
  Menu->SetY(static_cast<float>(ScreenHeight - 63));
  shop->y += 4;
  back->x += 15;
  start->y -= 12;

  ZoomInSound = sounds->Find("selector_zoomin");
  ZoomOut = sounds->Find("selector_zoomout");
  ScrollX = 0;
  ScrollY = 0;
  Zoom = TAnimation::Create(300, 0, 0, 0);
  ZoomIn = 1;
  Scale = 1.0f;
  Game->FadeMusic = 0;

  PadLock = images->Find("small_padlock");
  AvailableCourses = Picture("CourseSelector/available_courses.png");
  TopScores = Picture("CourseSelector/top_scores.png");
  TotalCash = Picture("CourseSelector/total_cash.png");
  WelcomeTo = Picture("CourseSelector/welcome_to.png");
  for (int i = 0; i < MAX_COURSESHOTS; ++i) {
    CourseShots[static_cast<std::size_t>(i)] =
        Picture("CourseSelector/" + CourseShotNames[static_cast<std::size_t>(i)] + ".jpg");
  }
  Overlay = Picture("CourseSelector/overlay.png");

  ListBox = TListBox::Create(0, 5, 0, 0, 500);
  ListBox->Limit = LIST_ROWS;
  ListBox->SetupFont(nullptr, TColor::Create(172, 122, 2, 1.0f), TShadow::Create(2, 2, 0.4f),
                     WildshotFont, TColor::Create(0, 0, 0, 1.0f));
  ListBox->SetupBox(nullptr);
  ListBox->NoShadowOnHighlighted = 1;
  ListBox->HighlightCol = TColor::Create(253, 156, 0, 0.65f);
  ListBox->HighlightUnder = 1;
  ListBox->LineYOffset = -1;
  ListBox->ClickSound = sounds->Find("selector_cycle");
  ListBox->ArrowKeysMoveHighlight = 0;
  ListBox->SetCoords(64, 125, 195, LIST_HEIGHT);
  ListBox->CalcLineHeight();
  ListBox->Limit = VisibleRows();
  if (const TSaveData* save = TheSave()) {
    ListBox->LockedArray.assign(save->UnlockedCourses.begin(), save->UnlockedCourses.end());
  }
  ListBox->LockedColor = TColor::Create(255, 203, 3, 1.0f);

  int selected = -1;
  const int courses = CourseList ? static_cast<int>(CourseList->size()) : 0;
  for (int i = 0; i < courses; ++i) {
    const auto& course = (*CourseList)[static_cast<std::size_t>(i)];
    ListBox->Strings->push_back(course->Name);
    if (selected < 0 && TheSave() && course->Name == TheSave()->CourseName) selected = i;
  }
  // A saved course that names no course of the list selects the first row.
  if (selected < 0 && courses > 0) selected = 0;

  ListBox->ScrollBar = TScrollBar::Create(Picture("CourseSelector/traction_bar.png"), 270,
                                          ScrollMax(courses, ListBox->Limit), 30, 149, 1);
  ListBox->ScrollBar->SetArrows("top_arrow", "bot_arrow", 200);
  for (const auto& arrow : ListBox->ScrollBar->Menu->Buttons) arrow->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  ListBox->ScrollBar->FixedGlowOnMO = 1;

  TextFont = WildshotFont;
  ListBox->SetIndex(selected);
  LastIndex = selected;
  SelectedCourseChange();
  ListBox->SetTopIndex(selected - 5);
  ListBox->ScrollBar->SliderSetPosition(ListBox->TopIndex);
  ListBox->ScrollBar->ValueCalc();
  ListBox->ScrollBar->DisableButtons();
  ListBox->ScrollBar->Menu->StoreOriginalCoords();

  Label1 = Text("Details - Holes") + ": ";
  Label2 = Text("Details - Par") + ": ";
  Label3 = Text("Details - Fee") + ": ";
  Label4 = Text("Details - Purse") + ": ";
  FeeReduced = PlayerOwnsItem(ITEM_FEE_REDUCED) ? " (" + Text("Fee Reduced") + ")" : "";
  PurseIncreased = PlayerOwnsItem(ITEM_PURSE_INCREASED) ? " (" + Text("Purse Increased") + ")" : "";
  LabelFont = StatsFont;
  LabelWidth = 0;
  if (LabelFont) {
    for (const std::string* label : {&Label1, &Label2, &Label3, &Label4}) {
      const int width = static_cast<int>(LabelFont->StringWidth(*label));
      if (width > LabelWidth) LabelWidth = width;
    }
  }
  TimedCourseString = Text("Course Selector - Timed Course");
  StopWatch = images->Find("stopwatch_small");
  return 0;
}

int TLevelSelectScreen::Start() {
  TScreen::Start();
  Game->MusicPlay(1);
  Zoom->Start();
  Logic();
  Draw();
  Game->IgnoreEscapeKey = 1;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  Game->FixedRateLogic->Init();
  return 0;
}

int TLevelSelectScreen::PostFadeIn() {
  if (Game->Channels && ZoomInSound) Game->Channels->PlayGameSound(ZoomInSound, nullptr, 1.0f, 0.0f);
  return 0;
}

int TLevelSelectScreen::Kill() {
  TScreen::Kill();
  ZoomInSound = nullptr;
  ZoomOut = nullptr;
  Zoom = nullptr;
  if (ListBox) ListBox->Kill();
  ListBox = nullptr;
  LabelFont = nullptr;
  TextFont = nullptr;
  AvailableCourses = TopScores = TotalCash = WelcomeTo = nullptr;
  PadLock = nullptr;
  Scores = {};
  for (auto& shot : CourseShots) shot = nullptr;
  Overlay = nullptr;
  Background = nullptr;
  if (DialogOK) DialogOK->Kill();
  DialogOK = nullptr;
  return 0;
}

int TLevelSelectScreen::SetEscDestination() {
  Game->DestinationTScreen = TitleScreen;
  return 0;
}

int TLevelSelectScreen::SelectedCourseChange() {
  const int index = ListBox ? ListBox->Index : -1;
  SelectedCourse = index >= 0 ? CourseFind(ListBox->Value) : nullptr;
  UnlockText.clear();
  Scores = {};
  if (!SelectedCourse) return 0;

  std::string text;
  switch (UnlockState(index)) {
    case COURSE_OPEN:
      if (!SelectedCourse->GoalText.empty()) {
        text = Text("Goal") + ": " +
               (PlayerOwnsItem(ITEM_PURSE_INCREASED) ? SelectedCourse->GoalText2
                                                     : SelectedCourse->GoalText);
      }
      break;
    case COURSE_COMPLETED:
      text = CourseGetIndex(SelectedCourse->Name) == Game->MaxLevels - 1
                 ? Text("Final Goal Complete")
                 : Text("Course Selector - Course Complete");
      break;
    default:
      text = Text("Course Locked") + " " + SelectedCourse->UnlockText;
      break;
  }
  if (!text.empty() && TextFont) UnlockText = ccWordWrapArray(ccSplitStringIntoLines(text),
                                                                   static_cast<int>(GOAL_WIDTH / GOAL_FONT_SCALE), TextFont);

  // The five slots start empty and take at most five entries of this course, best first.
  std::size_t slot = 0;
  if (BestScores) {
    for (const auto& entry : BestScores->ForCourse(index)) {
      if (slot >= Scores.size()) break;
      if (!entry) continue;
      Scores[slot++] = TSelectorScore{entry->name, entry->score, entry->date, entry->time, entry->real};
    }
  }

  const int shot = CourseShotIndex(SelectedCourse->BackgroundImage);
  if (shot >= 0) CurrentCourseShot = shot;
  return 0;
}

int TLevelSelectScreen::GetFee(int fee) {
  if (!PlayerOwnsItem(ITEM_FEE_REDUCED)) return fee;
  // 0.85 as a single-precision float, a hair above 0.85: 100 costs 85 and 20 costs 17.
  const float rate = 0.85f;
  return static_cast<int>(std::floor(static_cast<double>(fee) * static_cast<double>(rate)));
}

int TLevelSelectScreen::CanAfford() {
  const TPlayer* player = CurrentPlayer();
  if (!player || !ListBox || ListBox->Index < 0) return -1;
  auto course = CourseFind(ListBox->Value);
  if (!course) return -1;
  return player->Score - GetFee(course->Fee);
}

int TLevelSelectScreen::LevelSelected() {
  const int index = ListBox ? ListBox->Index : -1;
  if (index < 0) return 0;
  if (UnlockState(index) == COURSE_LOCKED) {
    DialogOK = CourseSelectorDialog(Text("Course Locked message"), "course_locked");
    if (Game->Channels) Game->Channels->PlayGameSound(sounds->Find("Dialog_misc"), nullptr, 0.8f, 0.0f);
    return 0;
  }
  const int left = CanAfford();
  if (left < 0) {
    DialogOK = CourseSelectorDialog(Text("Cannot Afford Message"), "insufficient_funds");
    if (Game->Channels) Game->Channels->PlayGameSound(sounds->Find("Dialog_misc"), nullptr, 0.8f, 0.0f);
    return 0;
  }
  TPlayer* player = CurrentPlayer();
  TSaveData* save = TheSave();
  player->Score = left;
  if (Game->Channels && ZoomOut) Game->Channels->PlayGameSound(ZoomOut, nullptr, 1.0f, 0.0f);
  Zoom = TAnimation::Create(500, 1, 0, 0);
  ZoomIn = 0;
  Zoom->Start();
  LastX = static_cast<int>(ScrollX);
  LastY = static_cast<int>(ScrollY);
  save->CourseName = ListBox->Value;
  save->MidCourse = 1;
  save->MidHole = 0;
  save->CourseStatsInit();
  SetNewLevelHTP(Game->CurrentProfile ? Game->CurrentProfile->CurrentLevel : 1);
  player->ProfileUpdatePlayer(*Game->CurrentProfile);
  player->ProfileWrite(Game->CurrentProfile.get());
  Game->FixedRateLogic->Init();
  ButtonsActive(*Menu, 0);
  return 1;
}

float TLevelSelectScreen::CalcScale(int flag) {
  const float r = flag != 0 || !Zoom ? 0.0f : Zoom->GetRatio();
  const float s = PictureScale();
  return ZoomIn == 1 ? r * (1.0f - s) : (1.0f - r) * (1.0f - s);
}

float TLevelSelectScreen::PictureScale() const {
  const int w = Image ? Image->Width() : ScreenWidth;
  return w > 0 ? static_cast<float>(ScreenWidth) / static_cast<float>(w) : 1.0f;
}

int TLevelSelectScreen::CalcScrollCoords() {
  const float W = Image ? static_cast<float>(Image->Width()) : static_cast<float>(ScreenWidth);
  const float H = Image ? static_cast<float>(Image->Height()) : static_cast<float>(ScreenHeight);
  const float SW = static_cast<float>(ScreenWidth), SH = static_cast<float>(ScreenHeight);
  const float z = 1.0f - Scale;
  const float r = Zoom ? Zoom->GetRatio() : 0.0f;
  if (ZoomIn == 1) {
    const float gx = std::clamp(ZOOM_TARGET_X, W / 2 - (W - SW) / 2, W / 2 + (W - SW) / 2);
    const float gy = std::clamp(ZOOM_TARGET_Y, H / 2 - (H - SH) / 2, H / 2 + (H - SH) / 2);
    ScrollX = (SW - W * z) / 2 + (1 - r) * z * (W / 2 - gx);
    ScrollY = (SH - H * z) / 2 + (1 - r) * z * (H / 2 - gy);
  } else {
    const float t = 1.0f - CalcScale(1);
    float dx = static_cast<float>(ScreenWidth / 2) - ZOOM_TARGET_X * t;
    dx = std::max(std::min(dx, 0.0f), SW - W * t);
    float dy = static_cast<float>(ScreenHeight / 2) - ZOOM_TARGET_Y * t;
    dy = std::max(std::min(dy, 0.0f), SH - H * t);
    ScrollX = static_cast<float>(LastX) - (1 - r) * (static_cast<float>(LastX) - dx);
    ScrollY = static_cast<float>(LastY) - (1 - r) * (static_cast<float>(LastY) - dy);
  }
  return 0;
}

int TLevelSelectScreen::ConvertXY(float& x, float& y) {
  const float z = 1.0f - Scale;
  x = ScrollX + (50.0f + x) * z;
  y = ScrollY + y * z;
  return 0;
}

int TLevelSelectScreen::Logic() {
  if (DialogOK) {
    if (DialogOK->Manage() == 0) {
      Menu->ManageFixedGlowOnly();
      return 0;
    }
    DialogOK->Kill();
    DialogOK = nullptr;
    Menu->ManageNoSound();
    Menu->ClearMouseClick();
  }
  if (Game->GameFade->Active != 0) {
    Menu->ManageFixedGlowOnly();
    return 0;
  }
  TScreen::Logic();

  if (Zoom->Manage() != 0) {
    if (ZoomIn == 1) {
      ButtonsActive(*Menu, 1);
      Scale = 0;
      CalcScrollCoords();
      Menu->ManageNoSound();
    } else {
      Game->DestinationTScreen = NewspaperScreen;
      Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
    }
  }
  Scale = CalcScale(0);

  if (Zoom->Active == 0) {
    ListBox->Manage();
    if (ListBox->Index != LastIndex) {
      LastIndex = ListBox->Index;
      SelectedCourseChange();
    }
    if (ListBox->DoubleClicked != -1) {
      ListBox->DoubleClicked = -1;
      PressButton(*Menu, "Start");
      LevelSelected();
    }
  }
  if (Menu->Clicked("back")) {
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
    Game->DestinationTScreen = TitleScreen;
  }
  if (Menu->Clicked("golfshop")) {
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
    Game->DestinationTScreen = ShopScreen;
    ShopScreen->Destination = LevelSelectScreen;
  }
  if (Zoom->Active == 0 && Menu->Clicked("start")) LevelSelected();
  if (Zoom->Active == 0 && (KeyHit(KEY_SPACE) != 0 || KeyHit(KEY_ENTER) != 0)) {
    PressButton(*Menu, "Start");
    LevelSelected();
  }
  if (KeyHit(KEY_ESCAPE) != 0) {
    PressButton(*Menu, "Back");
    Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, Game->MusicChannel, 1, 0);
    Game->DestinationTScreen = TitleScreen;
  }
  return 0;
}

std::string TLevelSelectScreen::ScoreTimeText(const std::string& time) {
  const bool clock = time.size() >= 5 && std::isdigit(static_cast<unsigned char>(time[0])) != 0 &&
                     std::isdigit(static_cast<unsigned char>(time[1])) != 0 && time[2] == ':' &&
                     std::isdigit(static_cast<unsigned char>(time[3])) != 0 &&
                     std::isdigit(static_cast<unsigned char>(time[4])) != 0;
  if (!clock) return time;
  return ccTimeTo12Hour(time.substr(0, 5));
}
