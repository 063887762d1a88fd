#pragma once
// The player's golfer. For now it carries the fixed layout tables that the avatar, the golf shop
// and the play screen index by avatar item id (0..11); the drawing itself comes with the avatar
// screens.

#include <array>
#include <memory>

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

  float Scale = 1.0f;
  // The avatar's layers for the current profile, and their release.
  int Load() { return 0; }
  int Kill() { return 0; }
};

// The avatar of the current profile; made by the play screen at each visit.
extern std::shared_ptr<TAvatar> Avatar;
