// The play screen's visit over the staged data: what Load reads and reports, the five buttons
// after a hole start, the desert End Hole board, what Kill leaves, the HUD's file pictures and the
// hint scroll's fixed pictures kept from hole to hole while what they are read from stays the same,
// and the files named at run time (ambient lists, numbered recordings, result pictures) all present
// in the data folder.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "content/course.h"
#include "content/load_result.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_upper_layer.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "tests/play/play_fixture.h"
#include "util/strings.h"

namespace {

class PlayLoadTest : public PlayScreenFixture {
 protected:
  void SetUp() override {
    PlayScreenFixture::SetUp();
    Game->DataPrefix = platform::DataPrefix();
    Game->SetDefaultPaths();
    savedImages_ = images;
    savedSounds_ = sounds;
    images = std::make_shared<TImageBank>();
    sounds = std::make_shared<TSoundBank>();
    CourseList->clear();
    GameScreen->Player->Level = 2;
  }
  void TearDown() override {
    GameScreen->Kill();
    images = savedImages_;
    sounds = savedSounds_;
    PlayScreenFixture::TearDown();
  }
  // The course of the staged data read from its file, with the type and background given.
  void UseCourse(const std::string& name, const std::string& type, const std::string& background) {
    auto course = TCourse::Create();
    ASSERT_TRUE(ReadCourseFile(*course, Game->DataPrefix, name).Ok());
    course->Name = name;
    course->CourseType = type;
    course->BackgroundImage = background;
    course->AmbienceLoop = "ambience/municipal_loop.ogg";
    CourseList->push_back(course);
    GameScreen->Player->SaveData->CourseName = name;
  }
  std::shared_ptr<TImageBank> savedImages_;
  std::shared_ptr<TSoundBank> savedSounds_;
};

TEST_F(PlayLoadTest, CourseOneLoadsItsVisitAndReportsItsPictures) {
  UseCourse("The Vuva Rivudar", "MUNI", "municipal1.jpg");
  testing::internal::CaptureStdout();
  GameScreen->Load();
  const std::string console = testing::internal::GetCapturedStdout();
  EXPECT_NE(console.find("Anims: 3779   6400\n"), std::string::npos) << console;
  EXPECT_NE(console.find("Background: 1875   4096\n"), std::string::npos) << console;
  EXPECT_EQ(GameScreen->name, "game");
  EXPECT_EQ(GameScreen->AmbientSoundTotal, 6);
  EXPECT_EQ(GameScreen->AmbientAnimsTotal, 6);  // birds, four gophers and the worm, the hobo
  ASSERT_TRUE(GameScreen->CardToIronMorph);
  EXPECT_EQ(GameScreen->CardToIronMorph->Frames(), 50);
  ASSERT_TRUE(GameScreen->MultiplierParticle);
  EXPECT_EQ(GameScreen->MultiplierParticle->Frames(), 11);
  // Kill drops the visit's pictures and sounds; the count of ambient sounds stays until the next
  // Load.
  GameScreen->LevelStart();
  GameScreen->Kill();
  EXPECT_FALSE(GameScreen->Middle);
  EXPECT_FALSE(GameScreen->CardToIronMorph);
  EXPECT_TRUE(std::all_of(GameScreen->AmbientSound.begin(), GameScreen->AmbientSound.end(),
                          [](const auto& s) { return !s; }));
  EXPECT_EQ(GameScreen->AmbientSoundTotal, 6);
  EXPECT_FALSE(GameGrid);
  EXPECT_FALSE(HUD);
  EXPECT_FALSE(CardList);
}

TEST_F(PlayLoadTest, TheButtonsStandInTheirPlacesAfterAHoleStarts) {
  UseCourse("The Vuva Rivudar", "MUNI", "municipal1.jpg");
  GameScreen->Load();
  GameScreen->LevelStart();
  struct Row {
    const char* name;
    int x, y, active, disabled;
  };
  for (const Row& row : std::vector<Row>{{"menu", 45, 441, 1, 0},
                                         {"scorecard", 711, 504, 1, 0},
                                         {"end_hole", 313, 459, 1, 1},
                                         {"enddrive", 309, 480, 0, 1},
                                         {"mulligan", 545, 575, 1, 1}}) {
    auto b = Button(row.name);
    ASSERT_TRUE(b) << row.name;
    EXPECT_EQ(b->x, row.x) << row.name;
    EXPECT_EQ(b->y, row.y) << row.name;
    EXPECT_EQ(b->Active, row.active) << row.name;
    EXPECT_EQ(b->Disabled, row.disabled) << row.name;
    if (row.disabled) {
      EXPECT_EQ(b->ClickDisabled, 0) << row.name << " takes neither hover nor clicks";
    }
  }
  EXPECT_FALSE(Button("Menu")->SoundClick);
  EXPECT_FALSE(Button("mulligan")->SoundClick);
  EXPECT_EQ(Button("mulligan")->image, GameScreen->Mulligan1);  // one mulligan this hole
  EXPECT_EQ(Button("mulligan")->ImageDisabled, GameScreen->Mulligan1Disabled);
}

TEST_F(PlayLoadTest, OnlyATypeWordOfDesertInCapitalsGetsTheDesertBoard) {
  for (const auto& [type, picture] : std::vector<std::pair<std::string, std::string>>{
           {"DESERT", "END_HOLE_DESERT"}, {"desert", "END_HOLE"}, {"MUNI", "END_HOLE"}}) {
    CourseList->clear();
    UseCourse("Red Mesa Wells", type, "desert1.jpg");
    GameScreen->Load();
    auto b = Button("end_hole");
    ASSERT_TRUE(b) << type;
    EXPECT_EQ(b->image->name, picture) << type;
    EXPECT_EQ(b->ImageDisabled->name, picture) << type;
    EXPECT_EQ(GameScreen->AmbientAnimsTotal, 1) << "desert1 has only the birds";
    GameScreen->Kill();
  }
}

TEST_F(PlayLoadTest, AMissingRecordingStopsTheVisitAtLoadNamingIt) {
  UseCourse("The Vuva Rivudar", "MUNI", "municipal1.jpg");
  const std::string folder = platform::UserDataFolder() + "speech_without_idle/";
  platform::CreateFolder(folder);
  Game->SpeechPath = folder;
  try {
    GameScreen->Load();
    ADD_FAILURE() << "loaded without its recordings";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("Error loading sample " + folder + "course/MUNI1.ogg"),
              std::string::npos)
        << e.what();
  }
}

// ---- The pictures kept from hole to hole: the HUD's and the hint scroll's ----

namespace fs = std::filesystem;

// The pictures of the HUD a test follows: the club strip, the cart (the picture the changes
// below replace), the 2-iron's hit area (read back for the pointer) and the 9-iron.
std::vector<std::weak_ptr<platform::Image>> FollowedHudPictures() {
  return {HUD->GolfClub->image, HUD->Cart->image, HUD->IronImagesArea[0]->image,
          HUD->IronImages[7]->image};
}

// The hint scroll's pictures that every hint shows: the paper, the heading and the picture's frame.
std::vector<std::weak_ptr<platform::Image>> FollowedHintPictures() {
  return {HintScroll->Image, HintScroll->Header->image->image, HintScroll->Overlay->image};
}

// A folder like the image folder `from` (its folders linked, gamescreen/ and hints/ copied so that
// their files can change); its path, with a separator at the end.
std::string CopyImageFolder(const std::string& from) {
  static int copies = 0;
  const fs::path copy =
      fs::path(platform::UserDataFolder()) / ("kept_pictures-" + std::to_string(++copies));
  fs::create_directories(copy);
  for (const auto& entry : fs::directory_iterator(platform::ResolvePath(from))) {
    const fs::path name = entry.path().filename();
    if (name == "gamescreen" || name == "hints")
      fs::copy(entry.path(), copy / name, fs::copy_options::recursive);
    else
      fs::create_symlink(entry.path(), copy / name);
  }
  return copy.string() + "/";
}

// The picture `file` under `folder` becomes the picture `by` (another one, of another size).
void Replace(const std::string& folder, const std::string& file, const std::string& by) {
  fs::copy_file(folder + by, folder + file, fs::copy_options::overwrite_existing);
}
void ReplaceCart(const std::string& folder) {
  Replace(folder, "gamescreen/cart.png", "gamescreen/Hole_Marker.png");
}
// A file the hint scroll shows at every hint becomes the first hint's picture.
std::function<void()> ReplaceHintFile(const char* file) {
  return [file] { Replace(Game->ImagePath, file, "hints/Hint1.png"); };
}

// What a change between two holes does to a set of kept pictures.
enum class Kept { Same, DecodedAgain };

struct HoleChange {
  const char* name;
  std::function<void()> change;  // made between the holes
  Kept hud;
  const char* cart;  // the picture the cart shows on hole two, under the image folder then
  Kept hint;         // the hint scroll's paper, heading and frame
};

void PrintTo(const HoleChange& c, std::ostream* os) { *os << c.name; }

// Two holes of course 1 in one visit, each opening its lesson's hint scroll, with a change between
// them; the image folder is a copy of the staged one, so that its files can change.
class KeptPicturesTest : public PlayLoadTest, public testing::WithParamInterface<HoleChange> {
 protected:
  void SetUp() override {
    PlayLoadTest::SetUp();
    UseCourse("The Vuva Rivudar", "MUNI", "municipal1.jpg");
    Game->ImagePath = CopyImageFolder(Game->ImagePath);
    // The game's own layer makes the scroll's heading sprite.
    Game->Upper = std::make_shared<TGameUpperLayer>();
    savedHintScroll_ = HintScroll;
    HintScroll = std::make_shared<THintScroll>();
    // The signs of the run (the bank's, found by name).
    for (const char* name : {"5x", "7x", "5x_Multiplier_sign", "7x_Multiplier_sign"}) {
      auto sign = std::make_shared<TGameImage>();
      sign->name = ccUpperCase(name);
      images->Images.push_back(sign);
    }
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  }
  void TearDown() override {
    PlayLoadTest::TearDown();
    HintScroll = savedHintScroll_;
    platform::GraphicsClose();
  }
  static void ExpectShows(const platform::ImageRef& shown, const std::string& file) {
    const auto expected = platform::LoadImage(file);
    ASSERT_TRUE(expected) << file;
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->Width(), expected->Width()) << file;
    ASSERT_EQ(shown->Height(), expected->Height()) << file;
    const auto a = shown->LockFrame(0);
    const auto b = expected->LockFrame(0);
    int differ = 0;
    for (int y = 0; y < expected->Height(); ++y)
      for (int x = 0; x < expected->Width(); ++x)
        differ += a->ReadPixel(x, y) != b->ReadPixel(x, y);
    EXPECT_EQ(differ, 0) << "pixels unlike " << file;
  }
  static void ExpectKept(const std::vector<std::weak_ptr<platform::Image>>& holeOne,
                         const std::vector<std::weak_ptr<platform::Image>>& holeTwo, Kept kept) {
    for (std::size_t i = 0; i < holeOne.size(); ++i) {
      SCOPED_TRACE("picture " + std::to_string(i));
      if (kept == Kept::Same) {
        // Decoded once: hole two draws the very objects of hole one, which the end of hole one
        // did not free.
        EXPECT_FALSE(holeOne[i].expired());
        EXPECT_EQ(holeOne[i].lock(), holeTwo[i].lock());
      } else {
        EXPECT_NE(holeOne[i].lock(), holeTwo[i].lock());
      }
    }
  }
  // The scroll of hint `hint` shows its own picture and, on every hint, the files as they are now.
  static void ExpectHintShows(int hint) {
    SCOPED_TRACE("hint " + std::to_string(hint));
    ASSERT_EQ(HintScroll->Hint, hint);
    ASSERT_TRUE(HintScroll->Icon && HintScroll->Header && HintScroll->Header->image &&
                HintScroll->Overlay);
    ExpectShows(HintScroll->Icon->image,
                Game->ImagePath + "hints/Hint" + std::to_string(hint) + ".png");
    ExpectShows(HintScroll->Image, Game->ImagePath + "hints/hint_bg.png");
    ExpectShows(HintScroll->Header->image->image, Game->ImagePath + "hints/headline_learn.png");
    ExpectShows(HintScroll->Overlay->image, Game->ImagePath + "hints/hint_overlay.png");
  }
  // The whole screen with the scroll alone drawn on it, at rest.
  static std::vector<platform::Argb> DrawnScroll() {
    platform::ResetDrawState();
    platform::SetClsColor(40, 90, 40);
    platform::Cls();
    HintScroll->Unroll->Active = 0;
    HintScroll->Bounces = 0;
    HintScroll->TopY = static_cast<float>(HintScroll->FinalY);
    HintScroll->Draw();
    const auto screen =
        platform::GrabPixmap(0, 0, platform::GraphicsWidth(), platform::GraphicsHeight());
    const platform::Argb* pixels = screen->Pixels();
    return {pixels, pixels + static_cast<std::size_t>(screen->Width() * screen->Height())};
  }
  std::shared_ptr<THintScroll> savedHintScroll_;
};

TEST_P(KeptPicturesTest, TheNextHoleShowsThePicturesOfWhatIsThereNow) {
  const HoleChange& c = GetParam();
  GameScreen->Load();
  GameScreen->LevelStart();
  ExpectHintShows(2);
  const auto hudOne = FollowedHudPictures();
  const auto hintOne = FollowedHintPictures();
  c.change();
  GameScreen->Player->Level = 3;
  testing::internal::CaptureStdout();
  GameScreen->LevelRestart();
  const std::string console = testing::internal::GetCapturedStdout();
  // The console reports the HUD's pictures at every hole start, kept or not.
  EXPECT_NE(console.find("HUD Anims: "), std::string::npos) << console;
  EXPECT_NE(console.find("HUD Images: "), std::string::npos) << console;
  const auto hudTwo = FollowedHudPictures();
  const auto hintTwo = FollowedHintPictures();
  {
    SCOPED_TRACE("the HUD");
    ExpectKept(hudOne, hudTwo, c.hud);
  }
  {
    SCOPED_TRACE("the hint scroll");
    ExpectKept(hintOne, hintTwo, c.hint);
  }
  ExpectShows(HUD->Cart->image, Game->ImagePath + c.cart);
  // The bank's signs follow what the player owns at this hole.
  ASSERT_TRUE(HUD->FlagMultiplierLabel);
  EXPECT_EQ(HUD->FlagMultiplierLabel->name,
            GameScreen->Player->SaveData->AvatarItems[7] ? "7X" : "5X");
  // Hole two's scroll shows its own hint, and draws as a scroll that decoded every picture anew.
  ExpectHintShows(3);
  const auto kept = DrawnScroll();
  GameScreen->HintPictures.reset();
  HintScroll->LoadSpecial(3, 0);
  HintScroll->Show(0);
  const auto fresh = FollowedHintPictures();
  EXPECT_TRUE(kept == DrawnScroll()) << "the scroll of kept pictures draws unlike one decoded anew";
  // Leaving the play screen lets the pictures go.
  GameScreen->Kill();
  for (const auto& picture : hudTwo) EXPECT_TRUE(picture.expired());
  for (const auto& picture : fresh) EXPECT_TRUE(picture.expired());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, KeptPicturesTest,
    testing::Values(HoleChange{"Nothing", [] {}, Kept::Same, "gamescreen/cart.png", Kept::Same},
                    HoleChange{"ABoughtSevenTimesSign",
                               [] { GameScreen->Player->SaveData->AvatarItems[7] = 1; }, Kept::Same,
                               "gamescreen/cart.png", Kept::Same},
                    HoleChange{"AnotherImageFolder",
                               [] {
                                 Game->ImagePath = CopyImageFolder(Game->ImagePath);
                                 ReplaceCart(Game->ImagePath);
                                 ReplaceHintFile("hints/hint_bg.png")();
                               },
                               Kept::DecodedAgain, "gamescreen/cart.png", Kept::DecodedAgain},
                    HoleChange{"ACartPictureChangedInPlace", [] { ReplaceCart(Game->ImagePath); },
                               Kept::DecodedAgain, "gamescreen/Hole_Marker.png", Kept::Same},
                    HoleChange{"AHintPaperChangedInPlace", ReplaceHintFile("hints/hint_bg.png"),
                               Kept::Same, "gamescreen/cart.png", Kept::DecodedAgain},
                    HoleChange{"AHintHeadingChangedInPlace",
                               ReplaceHintFile("hints/headline_learn.png"), Kept::Same,
                               "gamescreen/cart.png", Kept::DecodedAgain},
                    HoleChange{"AHintFrameChangedInPlace",
                               ReplaceHintFile("hints/hint_overlay.png"), Kept::Same,
                               "gamescreen/cart.png", Kept::DecodedAgain}),
    [](const testing::TestParamInfo<HoleChange>& info) { return std::string(info.param.name); });

TEST(PlayScreenData, EveryNameBuiltAtRunTimeIsStaged) {
  const std::string data = platform::DataPrefix() + "Data/";
  std::vector<std::string> missing;
  auto need = [&](const std::string& path) {
    if (!platform::FileExists(data + path)) missing.push_back(path);
  };
  for (const char* type : {"BEACH", "CITY", "COUNTRY", "DESERT", "FOREST", "JAPAN", "JUNGLE",
                           "MOUNTAIN", "MUNI", "SCOT"})
    for (const auto& name : AmbientSoundNames(type)) need("sound/randomambient/" + name + ".ogg");
  std::size_t recordings = 0;
  for (const auto& recording : AnnouncerRecordings("")) {
    need("speech/" + recording);
    ++recordings;
  }
  EXPECT_EQ(recordings, 175u);
  for (int r = -1; r >= -5; --r) need("graphics/particles/" + LevelEndImageName(r) + ".png");
  for (const char* word : {"beach", "city", "country", "desert", "forest", "japan", "jungle",
                           "mountain", "municipal", "scotland"})
    for (int suffix = 1; suffix <= 4; ++suffix)
      for (const auto& strip : AmbientAnimImageNames(word + std::to_string(suffix) + ".jpg"))
        need("graphics/" + strip + ".png");
  for (int n = 0; n <= 3; ++n)
    for (const char* state : {"", "MO", "_Disabled", "_Down"}) {
      if (n == 0 && (state[0] == '\0' || state[0] == 'M')) continue;
      need("menus/Mulligan_x" + std::to_string(n) + state + ".png");
    }
  for (const char* who : {"MaleItem", "FemaleItem"})
    for (int i = 0; i < 12; ++i) need("graphics/Shop/" + std::string(who) + std::to_string(i) + ".png");
  EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first " << missing.front();
}

}  // namespace
