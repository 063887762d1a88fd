// The avatar: its order tables, and which layer Draw puts where. The layers are written as small
// solid squares, one colour each, so a pixel of the screen tells which layer was drawn there.
#include "progress/avatar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/graphics.h"
#include "progress_fixture.h"
#include "tests/support/harness.h"

namespace {

TEST(AvatarTables, OrderTablesAreEachAPermutationOfTheTwelveItems) {
  for (const TAvatar::ItemTable& order :
       {TAvatar::MaleClothesZOrder, TAvatar::FemaleClothesZOrder, TAvatar::ItemUnlockOrder}) {
    TAvatar::ItemTable sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < TAvatar::ITEM_COUNT; ++i) EXPECT_EQ(sorted[i], i);
  }
}

constexpr platform::Argb BLACK = 0xFF000000u;

class AvatarDrawTest : public ProgressTest {
 protected:
  void SetUp() override {
    ProgressTest::SetUp();
    quill_test::OpenScreen();
    Game->ImagePath = root_ + "graphics/";
    platform::CreateFolder(Game->ImagePath + "Avatar/");
  }

  // Writes every layer of the look as a 2 x 2 square of its own colour and loads the avatar.
  void Look(int male, int avatar, std::vector<int> owned, float scale = 1.0f) {
    Save().Male = male;
    Save().Avatar = avatar;
    Save().AvatarItems.fill(0);
    for (int id : owned) Save().AvatarItems[static_cast<std::size_t>(id)] = 1;
    colour_.clear();
    int i = 0;
    for (const auto& file : TAvatar::LayerFiles(male, avatar)) {
      const platform::Argb c = 0xFF000000u | (static_cast<unsigned>(40 + 7 * i) << 16) |
                               (static_cast<unsigned>(200 - 5 * i) << 8) | static_cast<unsigned>(30 + 3 * i);
      platform::Pixmap p(2, 2);
      p.Fill(c);
      ASSERT_TRUE(platform::SavePixmapPNG(p, Game->ImagePath + file)) << file;
      colour_[file] = c;
      ++i;
    }
    avatar_.Load();
    avatar_.Scale = scale;
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    avatar_.Draw(X, Y);
  }

  platform::Argb Colour(const std::string& file) const {
    auto it = colour_.find(file);
    return it == colour_.end() ? 0 : it->second;
  }
  static std::string Clothes(int male, int id, bool standard) {
    return std::string("Avatar/") + (male ? "Male" : "Female") + "_clothes" + std::to_string(id) +
           (standard ? "_standard" : "") + ".png";
  }
  platform::Argb AtGarment(int male, int id) const {
    const auto i = static_cast<std::size_t>(id);
    const int shift = male ? 0 : 2;
    return quill_test::ScreenPixel(X + shift + (male ? TAvatar::MaleClothesX[i] : TAvatar::FemaleClothesX[i]),
                                   Y + (male ? TAvatar::MaleClothesY[i] : TAvatar::FemaleClothesY[i]));
  }

  static constexpr int X = 100, Y = 50;
  TAvatar avatar_;
  std::map<std::string, platform::Argb> colour_;
};

TEST_F(AvatarDrawTest, APlayerWhoOwnsNothingWearsTheStandardGarments) {
  for (int male : {1, 0}) {
    Look(male, 1, {});
    for (int id = 0; id < TAvatar::ITEM_COUNT; ++id) {
      if (TAvatar::Skipped(id, male) || id == 8) continue;  // the corner holds the head
      const bool standard = TAvatar::HasStandard(id, male);
      EXPECT_EQ(AtGarment(male, id), standard ? Colour(Clothes(male, id, true)) : BLACK)
          << (male ? "gent " : "lady ") << id;
    }
  }
  // Standard garments: 0, 1, 2 and 4 for a gent, 0, 1, 2 and 7 for a lady.
  EXPECT_TRUE(TAvatar::HasStandard(4, 1) && !TAvatar::HasStandard(7, 1));
  EXPECT_TRUE(TAvatar::HasStandard(7, 0) && !TAvatar::HasStandard(4, 0));
}

TEST_F(AvatarDrawTest, OwnedItemsShowTheirOwnGarmentAndTheHatOrMoustacheHead) {
  Look(1, 2, {1, 5, 8, 9});
  EXPECT_EQ(AtGarment(1, 1), Colour(Clothes(1, 1, false)));
  EXPECT_EQ(AtGarment(1, 5), Colour(Clothes(1, 5, false)));
  EXPECT_EQ(AtGarment(1, 8), Colour(Clothes(1, 8, false)));  // a gent's hat at the corner
  EXPECT_EQ(quill_test::ScreenPixel(X + 1, Y + 1), Colour(Clothes(1, 8, false)));
  EXPECT_EQ(avatar_.Clothes[9], nullptr);  // the moustache is part of the head
  Look(1, 2, {9});
  EXPECT_EQ(quill_test::ScreenPixel(X, Y), Colour("Avatar/avatar_gent_3_stash.png"));
  Look(0, 4, {8});
  EXPECT_EQ(quill_test::ScreenPixel(X + 2, Y), Colour("Avatar/lady_05_hathead.png"));
  EXPECT_EQ(avatar_.Clothes[8], nullptr);
}

TEST_F(AvatarDrawTest, SpectaclesAreWornUnlessTheSunglassesAreOwned) {
  struct Case {
    int male, avatar, x, y;
    const char* file;
  };
  for (const Case& k : {Case{1, 0, 39, 52, "Avatar/avatar_gent_1_spectacles.png"},
                        Case{0, 0, 2 + 45, 65, "Avatar/lady_01_spectacles.png"},
                        Case{0, 2, 2 + 47, 62, "Avatar/lady_03_spectacles.png"}}) {
    Look(k.male, k.avatar, {});
    EXPECT_EQ(quill_test::ScreenPixel(X + k.x, Y + k.y), Colour(k.file)) << k.file;
    Look(k.male, k.avatar, {3});
    EXPECT_EQ(quill_test::ScreenPixel(X + k.x, Y + k.y), BLACK) << k.file;
  }
  // Every other look wears none: nothing is drawn where spectacles sit, sunglasses owned or not.
  for (int male : {1, 0}) {
    for (int avatar = 0; avatar < 5; ++avatar) {
      if (avatar == 0 || (male == 0 && avatar == 2)) continue;
      const std::vector<std::pair<int, int>> places =
          male ? std::vector<std::pair<int, int>>{{39, 52}} : std::vector<std::pair<int, int>>{{47, 65}, {49, 62}};
      for (const std::vector<int>& owned : {std::vector<int>{}, std::vector<int>{3}}) {
        Look(male, avatar, owned);
        for (const auto& [x, y] : places)
          EXPECT_EQ(quill_test::ScreenPixel(X + x, Y + y), BLACK) << (male ? "gent " : "lady ") << avatar;
      }
    }
  }
}

TEST_F(AvatarDrawTest, AtHalfScaleALadysWatchSitsAtItsRoundedPlace) {
  Look(0, 0, {11}, 0.5f);
  EXPECT_EQ(quill_test::ScreenPixel(X + 58, Y + 108), Colour(Clothes(0, 11, false)));
  float sx = 0, sy = 0;
  platform::GetScale(&sx, &sy);
  EXPECT_FLOAT_EQ(sx, 1.0f);
  EXPECT_FLOAT_EQ(sy, 1.0f);
}

TEST_F(AvatarDrawTest, AGentWithThePicturesTwoFourAndFiveWearsSunglassesALittleAside) {
  // Looks 2, 4 and 5 (Avatar 1, 3, 4) move garment 3 two pixels right; 4 and 5 one down as well.
  for (const auto& [avatar, dx, dy] : {std::tuple{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 2, 1}}) {
    Look(1, avatar, {3});
    EXPECT_EQ(quill_test::ScreenPixel(X + 43 + dx, Y + 55 + dy), Colour(Clothes(1, 3, false))) << avatar;
    EXPECT_EQ(quill_test::ScreenPixel(X + 43 + dx + 2, Y + 55 + dy + 2), BLACK) << avatar;
  }
}

}  // namespace
