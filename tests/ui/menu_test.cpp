// Menu layout, polling by name, and who gets a click.

#include "ui/menu.h"

#include "platform/audio.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/mouse_pointer.h"
#include "ui_test_support.h"
#include "util/input.h"

namespace {

using ui_test::UiTest;

class MenuTest : public UiTest {};

TEST_F(MenuTest, ColumnOfThreeButtons) {
  MakeButton("a", 120, 40);
  MakeButton("b", 101, 40);
  MakeButton("c", 801, 50);
  auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
  auto a = menu->AddQuick("a", "");
  auto b = menu->AddQuick("b", "");
  auto c = menu->AddQuick("c", "");
  EXPECT_EQ(a->y, 100);
  EXPECT_EQ(b->y, 150);
  EXPECT_EQ(c->y, 200);
  EXPECT_EQ(menu->NextY, 260);
  EXPECT_EQ(menu->h, 150);
  EXPECT_EQ(a->x, 340);
  EXPECT_EQ(b->x, 349);  // (800 - 101) div 2
  EXPECT_EQ(c->x, 0);    // not -1: the halving truncates toward zero
  EXPECT_EQ(a->name, "A");
  // Every button shares the menu's two sounds.
  EXPECT_EQ(a->SoundClick, menu->SoundClick);
  EXPECT_EQ(c->SoundMouseOver, menu->SoundMouseOver);
  EXPECT_TRUE(menu->SoundClick);
}

TEST_F(MenuTest, PairsRowsAndMoves) {
  MakeButton("l", 100, 40);
  MakeButton("r", 120, 60);
  auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  menu->AddPair("l", "r", 5, "player");
  auto left = menu->FindButton("PlayerL");
  auto right = menu->FindButton("playerr");
  ASSERT_TRUE(left && right);
  EXPECT_EQ(menu->NextY, 70);
  EXPECT_EQ(left->y, right->y);
  EXPECT_EQ(right->x, left->x + 100 + 5);

  menu->MakeRow(20);
  EXPECT_EQ(left->x, 280);
  EXPECT_EQ(right->x, 400);
  EXPECT_EQ(left->y, 270);
  EXPECT_EQ(right->y, 270);

  left->x = 100;
  right->x = 250;
  menu->SetX(300);
  EXPECT_EQ(left->x, 300);
  EXPECT_EQ(right->x, 450);
  EXPECT_EQ(menu->x, 300);

  left->x = 300.5f;
  right->x = 400;
  menu->SetPairX("playerl", "playerr", 200);
  EXPECT_EQ(left->x, 200);
  EXPECT_EQ(right->x, 300);  // moved by -100, not -100.5
}

TEST_F(MenuTest, EmptyMenuMeasures) {
  auto menu = TMenu::Create("", "", 0, 0, 0);
  menu->CalcLeft();
  EXPECT_EQ(menu->x, 10000);
  EXPECT_EQ(menu->CalcWidth(), -20000);
  EXPECT_EQ(menu->CalcHeight(), -20000);
  menu->Centre();
  EXPECT_EQ(menu->x, 10400);
  EXPECT_EQ(menu->y, 10300);
  EXPECT_EQ(menu->Manage(), 1);
  EXPECT_EQ(menu->ClickedName, "");
}

TEST_F(MenuTest, ClickSeenByExactlyOneLogicStep) {
  MakeButton("go", 100, 40);
  auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
  auto go = menu->AddQuick("go", "");
  Click(static_cast<int>(go->x) + 5, 105);
  Step();
  menu->Manage();
  EXPECT_EQ(go->Clicked, 1);
  EXPECT_EQ(menu->Clicked("GO"), 1);
  EXPECT_EQ(menu->Clicked("go"), 0);  // consumed by the first query
  EXPECT_EQ(menu->MouseOver("go"), 1);
  EXPECT_EQ(menu->MouseOver("go"), 1);  // hover stays for every query
  Step();
  menu->Manage();
  EXPECT_EQ(go->Clicked, 0);
  EXPECT_EQ(menu->Clicked("go"), 0);
  EXPECT_EQ(menu->MouseOver("go"), 1);
}

TEST_F(MenuTest, FirstOfTwoOverlappingButtonsTakesTheClick) {
  MakeButton("under", 200, 40);
  MakeButton("over", 200, 40);
  auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
  auto first = menu->DoAddNew("under", "underMO", "", 0, 0, 1);
  auto second = menu->DoAddNew("over", "overMO", "", 0, 0, 1);
  ASSERT_EQ(first->x, second->x);
  Click(400, 110);
  Step();
  menu->Manage();
  EXPECT_EQ(first->Clicked, 1);
  EXPECT_EQ(second->Clicked, 0);
  EXPECT_EQ(menu->ClickedName, "UNDER");
  EXPECT_EQ(menu->MouseOverName, "OVER");
  // The click was taken: nothing later in the step sees it.
  EXPECT_EQ(Game->Mouse->GetMh(0), 0);
}

TEST_F(MenuTest, NoInputWhileClosedOrSilentFirstStep) {
  MakeButton("go", 100, 40);
  auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
  auto go = menu->AddQuick("go", "");
  menu->ClickedName = "OLD";
  menu->AcceptInput = 0;
  Click(static_cast<int>(go->x) + 5, 105);
  Step();
  EXPECT_EQ(menu->Manage(), 0);
  EXPECT_EQ(go->Clicked, 0);
  EXPECT_EQ(menu->ClickedName, "OLD");
  EXPECT_EQ(Game->Mouse->GetMh(0), 1);  // left for others

  menu->AcceptInput = 1;
  platform::ClearAudioLog();
  menu->ManageNoSound();
  EXPECT_EQ(menu->NoSound, 0);
  EXPECT_EQ(go->MouseOver, 1);
  EXPECT_EQ(go->Clicked, 1);
  int plays = 0;
  for (const auto& record : platform::AudioLog()) plays += record.what.find("play") == 0 ? 1 : 0;
  EXPECT_EQ(plays, 0);
}

TEST_F(MenuTest, ScaleAboutStoredCoords) {
  MakeButton("s", 100, 40);
  auto menu = TMenu::Create("", "", 0, 100, 10);
  auto s = menu->AddQuick("s", "");
  menu->CalcCoords();
  menu->StoreOriginalCoords();
  s->x += 50;
  menu->ScaleMenu(1, 1);
  EXPECT_EQ(s->x, 350);
  menu->ScaleMenu(2, 2);
  EXPECT_EQ(s->x, 350);  // the left edge is the fixed point
  EXPECT_EQ(s->ScaleX, 2);
}

// ---- Buttons ----

class ButtonTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    MakeButton("b", 100, 40);
    menu = TMenu::Create("buttonMO", "buttonclick", 0, 100, 10);
    button = menu->AddQuick("b", "");  // x 350 .. 449, y 100 .. 139
  }
  // One logic step of the application, then the menu's tick.
  void StepMenu() {
    Step();
    menu->Manage();
  }
  std::shared_ptr<TMenu> menu;
  std::shared_ptr<TButton> button;
};

TEST_F(ButtonTest, PointerEdges) {
  struct Case {
    int x, y, over;
  } cases[] = {{350, 100, 1}, {449, 139, 1}, {450, 120, 0}, {400, 140, 0}, {349, 120, 0}};
  for (const auto& c : cases) {
    MoveTo(c.x, c.y);
    StepMenu();
    EXPECT_EQ(button->MouseOver, c.over) << c.x << "," << c.y;
  }
}

TEST_F(ButtonTest, AnyMouseButtonClicks) {
  for (int b : {1, 2, 3}) {
    Click(400, 120, b);
    StepMenu();
    EXPECT_EQ(button->Clicked, 1) << b;
    StepMenu();
  }
}

TEST_F(ButtonTest, ClickRefusedWhilePressedPictureShows) {
  MakeMenuPicture("b_down", 100, 40);
  button->LoadMouseClick("b_down", 200);  // 40 ticks
  Click(400, 120);
  StepMenu();
  EXPECT_EQ(button->Clicked, 1);
  EXPECT_GT(button->MouseClickCounter, 0);
  StepMenu();
  Click(400, 120);
  StepMenu();
  EXPECT_EQ(button->Clicked, 0);        // refused
  EXPECT_EQ(Game->Mouse->GetMh(0), 0);  // and the hit is used up all the same
  button->ClickWhenDown = 1;
  Click(400, 120);
  StepMenu();
  EXPECT_EQ(button->Clicked, 1);
}

TEST_F(ButtonTest, EnterAndSpaceOnOkButtons) {
  MakeButton("second", 100, 40);
  auto second = menu->AddQuick("second", "");
  button->OKButton = 1;
  second->OKButton = 1;
  Key(13);
  StepMenu();
  EXPECT_EQ(button->Clicked, 1);
  EXPECT_EQ(button->MouseOver, 1);
  EXPECT_EQ(second->Clicked, 0);  // Enter presses only the first one managed

  button->OKButtonUseSpace = 0;
  StepMenu();
  Key(32);
  StepMenu();
  EXPECT_EQ(button->Clicked, 0);
  EXPECT_EQ(second->Clicked, 0);  // consumed by the first OK button all the same
}

TEST_F(ButtonTest, VetoKeepsPointerOutButEnterWorks) {
  button->MouseOverUserFunction = [] { return 1; };
  button->OKButton = 1;
  button->ScaleOnMOMax = 1.2f;
  button->ScaleOnMO = 1.05f;
  Click(400, 120);
  StepMenu();
  EXPECT_EQ(button->MouseOver, 0);
  EXPECT_EQ(button->Clicked, 0);
  EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.04f);
  Key(13);
  StepMenu();
  EXPECT_EQ(button->Clicked, 1);
}

TEST_F(ButtonTest, GrowsAndShrinksBackToExactlyOne) {
  button->ScaleOnMOMax = 1.1f;
  MoveTo(400, 120);
  for (int i = 0; i < 10; ++i) {
    StepMenu();
  }
  EXPECT_FLOAT_EQ(button->ScaleOnMO, 1.1f);
  MoveTo(0, 0);
  for (int i = 0; i < 20; ++i) {
    StepMenu();
  }
  EXPECT_EQ(button->ScaleOnMO, 1.0f);
}

TEST_F(ButtonTest, DisabledButtonStillClickableUnlessInert) {
  button->Disabled = 1;
  Click(400, 120);
  StepMenu();
  EXPECT_EQ(button->Clicked, 1);
  button->ClickDisabled = 0;
  StepMenu();
  Click(400, 120);
  StepMenu();
  EXPECT_EQ(button->Clicked, 0);
  EXPECT_EQ(button->MouseOver, 0);
}

}  // namespace

namespace {

platform::Argb Pixel(int x, int y) {
  auto pixmap = platform::GrabPixmap(x, y, 1, 1);
  return pixmap ? pixmap->ReadPixel(0, 0) & 0xFFFFFFu : 0;
}

class ButtonDrawTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
  }
};

TEST_F(ButtonDrawTest, PictureForEachStateAndOffset) {
  menu->Draw(0, 0);
  EXPECT_EQ(Pixel(360, 110), 0x808080u);
  EXPECT_EQ(Pixel(455, 110), 0x000000u);
  MoveTo(400, 120);
  StepMenu();
  menu->Draw(10, 0);  // the picture moves, the clickable area does not
  EXPECT_EQ(Pixel(455, 110), 0xC0C0C0u);
  EXPECT_EQ(button->offx, 10);
  MakeMenuPicture("b_disabled", 100, 40, 0xFF204080u);
  button->LoadDisabled("b_disabled");
  button->Disabled = 1;
  MoveTo(0, 0);
  StepMenu();
  platform::Cls();
  menu->Draw(0, 0);
  EXPECT_EQ(Pixel(360, 110), 0x204080u);
  button->Active = 0;
  platform::Cls();
  EXPECT_EQ(button->Draw(), 0);
  EXPECT_EQ(Pixel(360, 110), 0x000000u);
}

}  // namespace
