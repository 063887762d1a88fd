#pragma once
// The play screen's overlays (score card, in-game menu, hint scroll) over the real game's staged
// data: a 9-hole and an 18-hole fixture course, a play field and HUD holding only what the overlays
// read, and a host screen whose logic runs the overlay under test, so each step goes through the
// game's own input pump with scripted input.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/screen.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/shadow.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/best_score_list.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "tests/screens/story_screens_support.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/profile.h"

namespace overlay_test {

// The current screen while an overlay is tested: its logic is whatever the test asks for.
class THostScreen : public TScreen {
 public:
  std::function<void()> Tick;
  int Logic() override {
    if (Tick) Tick();
    return 0;
  }
};

inline std::shared_ptr<TCourse> MakeCourse(const std::string& name, int holes, int firstPar) {
  auto course = std::make_shared<TCourse>();
  course->Name = name;
  course->Holes = holes;
  for (int i = 0; i < holes; ++i) course->HolePars[static_cast<size_t>(i)] = i == 0 ? firstPar : 4;
  course->Par = firstPar + 4 * (holes - 1);
  course->Purse = 1000;
  course->GoalText = "Goal: finish under par.";
  course->GoalText2 = "Goal: finish under par (raised purse).";
  return course;
}

class OverlayTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!story_test::StartGame(0)) GTEST_SKIP() << "no data folder (build the data target)";
    // Ann starts new: a profile an earlier test saved would bring its birdies and course arrays.
    for (const std::string& entry : platform::ListFolder(Game->ProfilePath)) {
      platform::DeleteFile(Game->ProfilePath + entry);
    }
    Game->Particles = 0;
    Game->IgnoreEscapeKey = 1;
    host_ = std::make_shared<THostScreen>();
    Game->CurrentTScreen = host_;
    CourseList = std::make_shared<TCourseList>();
    CourseList->push_back(MakeCourse("Nine Test", 9, 4));
    CourseList->push_back(MakeCourse("Eighteen Test", 18, 3));
    CourseList->front()->Unlocks = "Eighteen Test";
    Game->MaxLevels = 2;
    GameGrid = std::make_shared<TGameGrid>();
    HUD = std::make_shared<THUD>();
    HUD->Multiplier = 1.0;
    BestScores = std::make_shared<TBestScoreList>();
    Game->CurrentProfile = TProfile::Create("Ann");
    InstallProfileHooks(*Game->CurrentProfile);
    Game->CurrentProfile->Score = 1000;
    // A player of its own for every test: what one test's holes and statistics left behind (the
    // course time, the counts of birdies, the career statistics) never reaches the next.
    GameScreen->Player = std::make_shared<TPlayer>();
    auto& p = *GameScreen->Player;
    p.Name = "Ann";
    p.Score = 1000;
    p.SaveData->UnlockedCourses[0] = COURSE_OPEN;
    UseCourse("Nine Test");
    platform::ClearAudioLog();
  }

  void UseCourse(const std::string& name) {
    GameGrid->LevelName = name;
    GameScreen->Player->SaveData->CourseName = name;
    GameScreen->Player->CourseHoles = name == "Nine Test" ? 9 : 18;
  }
  // The hole just played: its number, par and cards left.
  void Hole(int number, int par, int cardsLeft) {
    HUD->FlagLevel = number;
    GameGrid->HolePar = par;
    GameGrid->CardsLeft = cardsLeft;
  }

  // One logic step through the game's own pump, running `tick` as the current screen's logic.
  void Step(const std::function<void()>& tick) {
    host_->Tick = tick;
    story_test::Step();
    host_->Tick = nullptr;
  }
  // A click on a button's centre in the next step.
  static void ClickOn(const TButton& button) {
    const int x = static_cast<int>(button.x) + button.w / 2;
    const int y = static_cast<int>(button.y) + button.h / 2;
    story_test::Push(platform::EVENT_MOUSE_MOVE, 0, x, y);
    story_test::Push(platform::EVENT_MOUSE_DOWN, 1, x, y);
    story_test::Push(platform::EVENT_MOUSE_UP, 1, x, y);
  }

  TPlayer& Player() { return *GameScreen->Player; }
  TSaveData& Save() { return *GameScreen->Player->SaveData; }

  std::shared_ptr<THostScreen> host_;
};

// The whole screen with `dialog` alone drawn on it, once its transitions have ended.
inline std::vector<platform::Argb> DrawnAtRest(TDialog& dialog) {
  for (int i = 0; i < 200 && dialog.Transitioning != 0; ++i) dialog.Manage();
  quill_test::OpenScreen();
  platform::SetClsColor(30, 60, 120);
  platform::Cls();
  dialog.Draw();
  std::vector<platform::Argb> px;
  const auto screen = platform::GrabPixmap(0, 0, ScreenWidth, ScreenHeight);
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x) px.push_back(screen ? screen->ReadPixel(x, y) : 0);
  return px;
}

// The pixels a dialog's picture (and its shadow) adds, as drawn at rest: how far they reach past
// the dialog's box on any side (0 when they stay inside), and how many there are.
inline std::pair<int, int> PictureOverhang(TDialog& dialog, std::shared_ptr<TGameImage>& picture,
                                    std::shared_ptr<TShadow>* shadow) {
  const auto with = DrawnAtRest(dialog);
  const auto keptPicture = picture;
  const auto keptShadow = shadow ? *shadow : nullptr;
  picture = nullptr;
  if (shadow) *shadow = nullptr;
  const auto without = DrawnAtRest(dialog);
  picture = keptPicture;
  if (shadow) *shadow = keptShadow;
  int reach = 0, count = 0;
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x) {
      const auto i = static_cast<std::size_t>(y * ScreenWidth + x);
      if (with[i] == without[i]) continue;
      ++count;
      reach = std::max({reach, dialog.x - x, x - (dialog.x + dialog.w - 1), dialog.y - y, y - (dialog.y + dialog.h - 1)});
    }
  return {reach, count};
}

// The width and height of a picture's pixels that show (a quarter cover or more) drawn at `scale`.
inline std::pair<float, float> ShownSize(const TGameImage& picture, float scale) {
  if (!picture.image) return {0.0f, 0.0f};
  const auto pixels = picture.image->LockFrame(0);
  int left = pixels->Width(), right = -1, top = pixels->Height(), bottom = -1;
  for (int y = 0; y < pixels->Height(); ++y)
    for (int x = 0; x < pixels->Width(); ++x)
      if ((pixels->ReadPixel(x, y) >> 24) >= 64) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  picture.image->UnlockFrame(0);
  if (right < 0) return {0.0f, 0.0f};
  return {static_cast<float>(right - left + 1) * scale,
          static_cast<float>(bottom - top + 1) * scale};
}

// The inset panel that the dialog frame pictures draw inside their brass rim (the frame's inner
// rectangle), in screen pixels: 18 px in from the frame's left, 28 from its top, 22 from its right
// and its foot.
struct TPanel {
  int left, top, right, bottom;  // right and bottom exclusive
};
inline TPanel PanelOf(const TDialog& dialog) {
  return {dialog.x + 18, dialog.y + 28, dialog.x + dialog.w - 22, dialog.y + dialog.h - 22};
}

// The pixels that a dialog's pictures (both, with their shadows) add, as drawn at rest.
struct TPicturePixels {
  int reach = 0;     // how far they reach past the frame's panel on any side (0: inside)
  int count = 0;     // how many there are
  int overText = 0;  // how many lie level with or above the text's last line, or on a button
  int width = 0, height = 0;  // the box they fill together
};
// With QUILL_DIALOG_SHOTS set, the dialog's screen is also saved there as `name`.png.
inline TPicturePixels PicturesPastPanel(TDialog& dialog, const std::string& name) {
  const auto with = DrawnAtRest(dialog);
  if (const char* folder = std::getenv("QUILL_DIALOG_SHOTS")) {
    quill_test::SaveScreen(std::string(folder) + "/" + name + ".png");
  }
  const auto kept =
      std::make_tuple(dialog.Picture, dialog.PictureShadow, dialog.Picture2, dialog.Picture2Shadow);
  dialog.Picture = dialog.Picture2 = nullptr;
  dialog.PictureShadow = dialog.Picture2Shadow = nullptr;
  const auto without = DrawnAtRest(dialog);
  std::tie(dialog.Picture, dialog.PictureShadow, dialog.Picture2, dialog.Picture2Shadow) = kept;
  const TPanel panel = PanelOf(dialog);
  const float textBottom = dialog.Caption ? dialog.Caption->Y + dialog.Caption->H : 0.0f;
  auto onButton = [&dialog](int x, int y) {
    for (const auto& b : dialog.Menu->Buttons)
      if (b->x <= static_cast<float>(x) &&
          static_cast<float>(x) < b->x + static_cast<float>(b->w) &&
          b->y <= static_cast<float>(y) && static_cast<float>(y) < b->y + static_cast<float>(b->h))
        return true;
    return false;
  };
  TPicturePixels out;
  int left = ScreenWidth, right = -1, top = ScreenHeight, bottom = -1;
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x) {
      const auto i = static_cast<std::size_t>(y * ScreenWidth + x);
      if (with[i] == without[i]) continue;
      ++out.count;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      out.reach = std::max({out.reach, panel.left - x, x - (panel.right - 1), panel.top - y,
                            y - (panel.bottom - 1)});
      if (static_cast<float>(y) < textBottom || onButton(x, y)) ++out.overText;
    }
  if (right >= 0) {
    out.width = right - left + 1;
    out.height = bottom - top + 1;
  }
  return out;
}

}  // namespace overlay_test
