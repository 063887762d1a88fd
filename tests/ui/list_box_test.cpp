// The list box: clicks, double clicks, arrow keys and scrolling the selection into view.

#include "ui/list_box.h"

#include "gfx/font.h"
#include "ui/mouse_pointer.h"
#include "ui_test_support.h"
#include "util/types.h"

namespace {

using ui_test::UiTest;

class ListBoxTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    list = TListBox::Create(10, 5, 0, 1, 500);
    list->Font->H = 14;  // rows 24 pixels high
    list->SetCoords(100, 100, 200, 240);
    list->CalcLineHeight();
    for (int i = 0; i < 20; ++i) list->Strings->push_back("Row " + std::to_string(i));
  }
  void ClickRow(int shownRow, int dx = 50) {
    Click(100 + dx, 100 + shownRow * 24 + 12);
    Step();
    list->Manage();
  }
  std::shared_ptr<TListBox> list;
};

TEST_F(ListBoxTest, LineHeightAndRounding) {
  EXPECT_EQ(list->LineHeight, 24);
  list->SetCoords(100, 100, 200, 250);
  list->CalcLineHeight();
  EXPECT_EQ(list->Box->H, 240);
  EXPECT_EQ(list->DisplayLines, 10);
}

TEST_F(ListBoxTest, DoubleClickWithin500Ms) {
  ClickRow(2);
  EXPECT_EQ(list->Index, 2);
  EXPECT_EQ(list->Value, "Row 2");
  EXPECT_EQ(list->DoubleClicked, -1);
  for (int i = 0; i < 98; ++i) {
    Step();
    list->Manage();
  }
  ClickRow(2);  // the 100th tick of the window
  EXPECT_EQ(list->DoubleClicked, 2);

  list->DoubleClicked = -1;
  ClickRow(3);
  ClickRow(4);  // another row: a single click that opens a new window
  EXPECT_EQ(list->DoubleClicked, -1);
  EXPECT_EQ(list->Index, 4);
  for (int i = 0; i < 100; ++i) {
    Step();
    list->Manage();
  }
  ClickRow(4);  // too late
  EXPECT_EQ(list->DoubleClicked, -1);
}

TEST_F(ListBoxTest, DoubleClickCountsFromTopIndex) {
  list->TopIndex = 4;
  ClickRow(2);
  ClickRow(2);
  EXPECT_EQ(list->DoubleClicked, 6);
}

TEST_F(ListBoxTest, BoundariesOfRowsAndBox) {
  Click(150, 124);  // the line where rows 0 and 1 meet
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, -1);
  EXPECT_EQ(Game->Mouse->GetMh(0), 0);  // used up all the same
  Click(100, 112);
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, 0);
  Click(300, 136);
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, 0);  // the right edge is outside
}

TEST_F(ListBoxTest, SetIndexScrollsIntoView) {
  list->Limit = 11;
  list->SetIndex(15);
  EXPECT_EQ(list->TopIndex, 5);
  list->SetIndex(8);
  EXPECT_EQ(list->TopIndex, 5);
  list->SetIndex(2);
  EXPECT_EQ(list->TopIndex, 2);
  list->SetIndex(99);  // not a row: nothing selected
  EXPECT_EQ(list->Index, -1);
  EXPECT_EQ(list->Value, "");
  list->SetTopIndex(15);
  EXPECT_EQ(list->TopIndex, 9);
}

TEST_F(ListBoxTest, ArrowKeys) {
  Key(38);
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, -1);
  Key(40);
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, 0);
  list->SetIndex(19);
  Key(40);
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, 19);
  Key(38);
  Step();
  list->Manage();
  EXPECT_EQ(list->Index, 18);
  list->ClearIndex();
  EXPECT_EQ(list->Value, "");
}

}  // namespace
