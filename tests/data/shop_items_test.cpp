// The golf shop's twelve items are each one thing wherever the player meets it: the text table
// names it as the art tools' item table does, and its shelf (and unlock) picture shows the garment
// the golfer puts on, so the two share their colours.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "gfx/game_text.h"
#include "manifest_reader.h"
#include "platform/graphics.h"
#include "tools/art/shop_items.h"

namespace {

using Histogram = std::array<double, 512>;

int Channel(platform::Argb p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// The colours of the opaque pixels, 3 bits a channel, as fractions of the pixels counted. A pixel
// counts when `only` is null or differs clearly from the pixel at the same place in `only`.
Histogram Colours(const platform::Pixmap& p, const platform::Pixmap* only = nullptr) {
  Histogram h{};
  double n = 0;
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) {
      const platform::Argb c = p.ReadPixel(x, y);
      if (Channel(c, 24) < 200) continue;
      if (only != nullptr) {
        const platform::Argb o = only->ReadPixel(x, y);
        int diff = 0;
        for (int s = 0; s < 32; s += 8) diff += std::abs(Channel(c, s) - Channel(o, s));
        if (diff < 60) continue;
      }
      h[static_cast<std::size_t>((Channel(c, 16) >> 5) * 64 + (Channel(c, 8) >> 5) * 8 + (Channel(c, 0) >> 5))] += 1;
      n += 1;
    }
  for (double& v : h) v = n > 0 ? v / n : 0;
  return h;
}

double Shared(const Histogram& a, const Histogram& b) {
  double s = 0;
  for (std::size_t i = 0; i < a.size(); ++i) s += std::min(a[i], b[i]);
  return s;
}

platform::PixmapRef Picture(const std::string& path) { return platform::LoadPixmap(data_test::DataDir() + path); }

TEST(DataShopItems, TheShopNamesEachItemAsTheItemTableDoes) {
  std::ifstream in(data_test::DataDir() + "text/gametext.txt", std::ios::binary);
  ASSERT_TRUE(in);
  std::stringstream text;
  text << in.rdbuf();
  TGameText table;
  table.ReadText(text.str());
  for (int id = 0; id < 12; ++id) {
    EXPECT_EQ(table.FindString("MaleItem" + std::to_string(id)), art::ItemLookOf(id, true).name) << id;
    EXPECT_EQ(table.FindString("FemaleItem" + std::to_string(id)), art::ItemLookOf(id, false).name) << id;
  }
}

// The garment as the golfer wears it: its own layer, or for a gent's item 9 and a lady's item 8
// what the head with the item adds to the plain head (the moustache of the gent whose brown hair
// the shelf's moustache shares).
Histogram WornColours(int id, bool male) {
  if (male && id == 9) {
    const auto with = Picture("graphics/Avatar/avatar_gent_2_stash.png"), plain = Picture("graphics/Avatar/avatar_gent_2.png");
    return with && plain ? Colours(*with, plain.get()) : Histogram{};
  }
  if (!male && id == 8) {
    const auto with = Picture("graphics/Avatar/lady_01_hathead.png"), plain = Picture("graphics/Avatar/lady_01_head.png");
    return with && plain ? Colours(*with, plain.get()) : Histogram{};
  }
  const auto layer = Picture(std::string("graphics/Avatar/") + (male ? "Male" : "Female") + "_clothes" + std::to_string(id) + ".png");
  return layer ? Colours(*layer) : Histogram{};
}

TEST(DataShopItems, EachShelfPictureShowsTheGarmentTheGolferPutsOn) {
  for (const bool male : {true, false})
    for (int id = 0; id < 12; ++id) {
      const std::string shelf = std::string("graphics/Shop/") + (male ? "Male" : "Female") + "Item" + std::to_string(id) + ".png";
      const auto picture = Picture(shelf);
      ASSERT_TRUE(picture) << shelf;
      // Half the colour of the worn garment, or more, is found on the shelf.
      EXPECT_GE(Shared(Colours(*picture), WornColours(id, male)), 0.5) << shelf;
    }
}

}  // namespace
