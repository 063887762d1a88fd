#pragma once
// The twelve golf shop items, by avatar item id: what each one is for a gent and for a lady, where
// the game puts its garment layer on the golfer, and what owning it does in play. The garment
// layers ("Avatar/…_clothesN.png"), the shelf and unlock pictures ("Shop/…ItemN.png") are all
// drawn from this table, and the item names of the text table ("MaleItemN", "FemaleItemN") are
// the names given here.

#include <array>
#include <string_view>

namespace art {

// Every thing a golfer can wear or carry.
enum class Garment {
  TartanShirt,
  PolkaDotBlouse,
  TartanTrousers,
  TartanSkirt,
  SaddleShoes,
  XRayShades,
  ArgyleSocks,
  ArgyleKneeSocks,
  BuckleBelt,
  HairFlower,
  Glove,
  TourBag,
  Cardigan,
  FlatCap,    // drawn as its own layer over the head
  SunHat,     // part of the head layer with hat
  Moustache,  // part of the head layer with stash
  PearlNecklace,
  Stopwatch,
  Wristwatch,
  Bracelet,
};

struct ItemLook {
  Garment garment;
  std::string_view name;   // the shop's name of the item
  std::string_view where;  // where it sits on the golfer
  int x, y;                // the garment layer's offset from the avatar's corner
};

struct ShopItem {
  ItemLook gent, lady;
  std::string_view effect;  // what owning it does in play
};

// By avatar item id. The offsets are the avatar's garment tables; a gent's item 9 and a lady's
// item 8 have no layer of their own (the head is swapped), so their offsets stay 0, 0.
inline constexpr std::array<ShopItem, 12> kShopItems = {{
    {{Garment::TartanShirt, "Tartan Shirt", "torso", 0, 70},
     {Garment::PolkaDotBlouse, "Polka Dot Blouse", "torso", 0, 93},
     "two mulligans on every hole instead of one"},
    {{Garment::TartanTrousers, "Tartan Trousers", "legs", 0, 177},
     {Garment::TartanSkirt, "Tartan Skirt", "hips", 15, 172},
     "the Long Drive game's arrow moves slower"},
    {{Garment::SaddleShoes, "Saddle Shoes", "feet", 0, 300},
     {Garment::SaddleShoes, "Saddle Shoes", "feet", 0, 310},
     "every new hole turns up half its face-down cards"},
    {{Garment::XRayShades, "X-Ray Shades", "eyes", 43, 55},
     {Garment::XRayShades, "X-Ray Shades", "eyes", 46, 63},
     "the stock's top card shows through; own spectacles come off"},
    {{Garment::ArgyleSocks, "Argyle Socks", "shins", 0, 277},
     {Garment::ArgyleKneeSocks, "Argyle Knee Socks", "shins", 0, 261},
     "the Putting game's arrow moves slower"},
    {{Garment::BuckleBelt, "Gold Buckle Belt", "waist", 36, 183},
     {Garment::HairFlower, "Lucky Hair Flower", "hair", 93, 77},
     "the run multiplier starts every hole at 1.3"},
    {{Garment::Glove, "Ball Finder Glove", "left hand", 0, 213},
     {Garment::Glove, "Ball Finder Glove", "left hand", 23, 145},
     "seven tries in the Lost Ball game instead of five"},
    {{Garment::TourBag, "Tour Bag", "on the back", 0, 187},
     {Garment::Cardigan, "Lucky Cardigan", "tied round the waist", 0, 155},
     "a win at the top multiplier pays 7x instead of 5x"},
    {{Garment::FlatCap, "Tweed Flat Cap", "head", 0, 0},
     {Garment::SunHat, "Straw Sun Hat", "head", 0, 0},
     "bad wild shots come up less often"},
    {{Garment::Moustache, "Dapper Moustache", "upper lip", 0, 0},
     {Garment::PearlNecklace, "Pearl Necklace", "neck", 69, 99},
     "course fees cost 15% less"},
    {{Garment::Stopwatch, "Pocket Stopwatch", "right hip", 100, 180},
     {Garment::Stopwatch, "Pocket Stopwatch", "right hip", 96, 199},
     "timed holes last 90 seconds instead of 60"},
    {{Garment::Wristwatch, "Gold Wristwatch", "right wrist", 86, 207},
     {Garment::Bracelet, "Gold Bracelet", "right wrist", 113, 215},
     "course purses 15% bigger, and the selector shows the bonus goal"},
}};

inline const ItemLook& ItemLookOf(int id, bool male) {
  return male ? kShopItems[static_cast<std::size_t>(id)].gent : kShopItems[static_cast<std::size_t>(id)].lady;
}

}  // namespace art
