#pragma once
// What the player records' fixtures share, with or without the play screen: the steps that
// install and remove the application object (paths in a scratch folder, region 0), a play field,
// a course list of the test's making and a text table, plus a course maker and the little-endian
// reads and writes the file tests use. Each fixture calls the steps in its own SetUp and
// TearDown, with its screen side between them. Only the model is reached here, so the
// screen-free tests link with it. Reported errors go to standard error, not to a modal box.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "platform/files.h"
#include "ui/profile.h"
#include "util/error.h"
#include "util/settings.h"

class ProgressFixtureBase : public testing::Test {
 protected:
  // Keeps errors off the screen and out of the banks, runs at Delta 1 and makes the application
  // object with its paths in a fresh scratch folder (root_).
  void MakeGame() {
    saved_graphical_errors_ = ccGraphicalErrors;
    ccGraphicalErrors = 0;
    saved_show_errors_ = ShowErrors;
    ShowErrors = 0;
    Delta = 1.0f;
    Game = std::make_shared<TGame>();
    static int counter = 0;
    const char* base = std::getenv("XDG_DATA_HOME");
    const std::filesystem::path dir =
        std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
        ("progress-" + std::to_string(++counter));
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    root_ = dir.string() + "/";
    platform::CreateFolder(root_ + "profiles/");
    Game->SubPath = root_;
    Game->ProfilePath = root_ + "profiles/";
    Game->Region = 0;
    Game->Ini->FileName = root_ + "Quillbrook";
  }
  // A play field, an empty card list, course list and text table, and no profile hook.
  void MakeLists() {
    GameGrid = TGameGrid::Create();
    CardList = std::make_shared<TCardList>();
    saved_courses_ = CourseList;
    saved_text_ = GameText;
    CourseList = std::make_shared<TCourseList>();
    GameText = std::make_shared<TGameText>();
    saved_hook_ = TProfile::CreateUserFunction;
    TProfile::CreateUserFunction = nullptr;
  }
  // Puts back what MakeLists replaced and removes the play field and the card list.
  void KillLists() {
    TProfile::CreateUserFunction = saved_hook_;
    if (GameGrid) GameGrid->Kill();
    GameGrid.reset();
    CardList.reset();
    CourseList = saved_courses_;
    GameText = saved_text_;
  }
  // Puts back the error settings MakeGame changed.
  void RestoreErrors() {
    ShowErrors = saved_show_errors_;
    ccGraphicalErrors = saved_graphical_errors_;
  }

  // A course appended to CourseList.
  std::shared_ptr<TCourse> AddCourse(const std::string& name, int holes = 9) {
    auto c = std::make_shared<TCourse>();
    c->Name = name;
    c->Holes = holes;
    for (int h = 0; h < holes; ++h) {
      c->HolePars[static_cast<std::size_t>(h)] = 20 + h;
      c->HoleTotalCards[static_cast<std::size_t>(h)] = 30 + 2 * h;
    }
    CourseList->push_back(c);
    Game->MaxLevels = static_cast<int>(CourseList->size());
    return c;
  }

  static std::int32_t IntAt(const std::vector<unsigned char>& b, std::size_t at) {
    if (at + 4 > b.size()) return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
                                     (static_cast<std::uint32_t>(b[at + 2]) << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
  }
  static void PutInt(std::vector<unsigned char>& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(static_cast<std::uint32_t>(v) >> (8 * i));
  }

  std::string root_;

 private:
  int saved_graphical_errors_ = 1;
  int saved_show_errors_ = 0;
  std::function<int(TProfile&)> saved_hook_;
  std::shared_ptr<TCourseList> saved_courses_;
  std::shared_ptr<TGameText> saved_text_;
};
