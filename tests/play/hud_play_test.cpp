// The HUD on the real play screen: a hole started by the play screen, a run of five made the
// sixth card by a click, End Drive pressed, and the ball, the input block and the HUD's pictures
// checked 1.5 s later.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/graphics.h"
#include "play/hud.h"
#include "tests/play/play_fixture.h"
#include "ui/button.h"

namespace {

using HudPlayTest = PlayScreenFixture;

TEST_F(HudPlayTest, TheSixthCardAndEndDriveSendTheBallToOnePointOne) {
  StartHole();
  ASSERT_TRUE(HUD);
  ASSERT_TRUE(HUD->Cart);  // the play screen loaded the HUD's pictures
  EXPECT_EQ(HUD->Multiplier, 1.0);
  Card(1)->Value = 5;
  Card(2)->Value = 10;
  Card(4)->Value = 10;
  SetStock({9, 9});
  GameGrid->FoundationValue = 4;
  HUD->DriveLength = 5;  // five cards in a row so far

  Click(Card(1));
  EXPECT_EQ(HUD->DriveLength, 6);
  EXPECT_EQ(HUD->LongDrive, 1);
  auto endDrive = Button("enddrive");
  ASSERT_TRUE(endDrive);
  EXPECT_EQ(endDrive->Active, 1);
  Wait(100);

  GameScreen->EndDriveClicked();  // what the button's click runs
  EXPECT_EQ(GameGrid->MegaBlock, 1);
  EXPECT_GT(HUD->MultiplierAnimCounter, 0);
  Wait(300);  // 1.5 s
  std::string whole, frac;
  HUD->GetMultiplierStrings(HUD->Multiplier, whole, frac);
  EXPECT_EQ(whole + "." + frac + "X", "1.1X");
  EXPECT_EQ(HUD->Multiplier, HUD->MultiplierGhost);
  EXPECT_EQ(GameGrid->MegaBlock, 0);
  EXPECT_EQ(endDrive->Active, 0);
  EXPECT_EQ(GameGrid->FoundationValue, 9);  // the stock's top card was turned at the landing

  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  HUD->Draw();
  auto rgb = [](int x, int y) {
    const auto p = platform::GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0);
    return std::array<int, 3>{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                              static_cast<int>(p & 0xFF)};
  };
  const auto cart = rgb(665, 540);  // the cart's white body
  EXPECT_GT(cart[0], 190);
  EXPECT_GT(cart[2], 180);
  for (const auto& [x, y] : {std::pair{150, 60}, std::pair{14, 520}, std::pair{310, 30}}) {
    const auto wood = rgb(x, y);  // hole marker, score sign, hole-cash sign: brown boards
    EXPECT_GT(wood[0], wood[2]) << x << "," << y;
    EXPECT_GT(wood[0], 40) << x << "," << y;
  }
  platform::GraphicsClose();
}

}  // namespace
