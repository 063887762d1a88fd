#pragma once
// The player's golfer as a paper doll: body, a head chosen by sex and picture, spectacles for the
// looks that wear them, a golf club and one garment layer per avatar item id, drawn over one another
// in a fixed order at fixed offsets. The look comes from GameScreen->Player->SaveData.

#include <array>
#include <memory>
#include <string>
#include <vector>

class TGameImage;

class TAvatar {
 public:
  static constexpr int ITEM_COUNT = 12;
  using ItemTable = std::array<int, ITEM_COUNT>;

  // Offset of each item's picture from the avatar's drawing point, before the avatar's scale.
  static constexpr ItemTable MaleClothesX{0, 0, 0, 43, 0, 36, 0, 0, 0, 0, 100, 86};
  static constexpr ItemTable MaleClothesY{70, 177, 300, 55, 277, 183, 213, 187, 0, 0, 180, 207};
  static constexpr ItemTable FemaleClothesX{0, 15, 0, 46, 0, 93, 23, 0, 0, 69, 96, 113};
  static constexpr ItemTable FemaleClothesY{93, 172, 310, 63, 261, 77, 145, 155, 0, 99, 199, 215};

  // Item ids in drawing order, lowest first, for a gent and for a lady.
  static constexpr ItemTable MaleClothesZOrder{7, 0, 6, 1, 2, 3, 4, 5, 8, 10, 11, 9};
  static constexpr ItemTable FemaleClothesZOrder{0, 1, 2, 6, 7, 5, 9, 10, 11, 4, 8, 3};

  // Item ids in the order the golf shop shows them and they become available to buy.
  static constexpr ItemTable ItemUnlockOrder{0, 1, 2, 3, 4, 5, 6, 10, 11, 9, 7, 8};

  // Whether the item id has a standard garment shown while it is not owned.
  static bool HasStandard(int id, int male) {
    return id == 0 || id == 1 || id == 2 || (male != 0 && id == 4) || (male == 0 && id == 7);
  }
  // Whether the item id has no garment layer of its own (a gent's moustache and a lady's hat are
  // part of the head).
  static bool Skipped(int id, int male) { return male != 0 ? id == 9 : id == 8; }

  float Scale = 1.0f;
  std::array<std::shared_ptr<TGameImage>, ITEM_COUNT> Clothes{};
  std::array<std::shared_ptr<TGameImage>, ITEM_COUNT> ClothesStandard{};
  std::shared_ptr<TGameImage> Head, HeadWithStash, HeadWithHat, Body, Spectacles, Club;

  TAvatar() = default;
  virtual ~TAvatar() = default;
  TAvatar(const TAvatar&) = delete;
  TAvatar& operator=(const TAvatar&) = delete;

  // Empties every layer. Returns 0.
  virtual int Kill();
  // Draws every layer with (x, y) the avatar's top-left corner, at Scale; leaves the drawing
  // scale at 1, 1. The caller sets colour, alpha and blend. Returns 0.
  virtual int Draw(int x, int y);
  // Loads the layers of the current player's look ("Avatar/" in the image folder). Returns 0.
  virtual int Load();

  // The file names (below the image folder) Load reads for a look, in load order.
  static std::vector<std::string> LayerFiles(int male, int avatar);
};
