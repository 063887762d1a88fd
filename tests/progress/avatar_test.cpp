// The avatar's order tables name every item exactly once, so no item is drawn twice or never
// offered in the shop.
#include "progress/avatar.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(AvatarTables, OrderTablesAreEachAPermutationOfTheTwelveItems) {
  for (const TAvatar::ItemTable& order :
       {TAvatar::MaleClothesZOrder, TAvatar::FemaleClothesZOrder, TAvatar::ItemUnlockOrder}) {
    TAvatar::ItemTable sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < TAvatar::ITEM_COUNT; ++i) EXPECT_EQ(sorted[i], i);
  }
}
