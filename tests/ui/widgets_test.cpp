// Slider, scroll bar, tool tip and pointer timing.

#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/scroll_bar.h"
#include "ui/slider.h"
#include "ui/tool_tip.h"
#include "ui_test_support.h"
#include "util/input.h"

namespace {

using ui_test::UiTest;

class SliderTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    MakeImage("bar", 180, 20);
    MakeImage("dot", 11, 20);
    slider = TSlider::CreateSpecial("bar", "dot", 310, 146, 25, "volume", 5);
  }
  int HoldAt(int x, int y) {
    MoveTo(x, y);
    Step();
    return slider->Manage();
  }
  std::shared_ptr<TSlider> slider;
};

TEST_F(SliderTest, NewSliderAndClamping) {
  EXPECT_EQ(slider->Value, 50);
  EXPECT_EQ(slider->name, "VOLUME");
  EXPECT_EQ(slider->DotX, 310 + 90 - 5);
  EXPECT_EQ(slider->DotY, 146);
  slider->SetValue(-5);
  EXPECT_EQ(slider->Value, 0);
  EXPECT_EQ(slider->DotX, 310 + 25 - 5);
  slider->SetValue(250);
  EXPECT_EQ(slider->Value, 100);
  EXPECT_EQ(slider->DotX, 310 + 155 - 5);
  slider->SetValue(37);  // floating point: 335 + 0.37 * 130 - 5 = 378.1
  EXPECT_EQ(slider->DotX, 378);
}

TEST_F(SliderTest, HeldButtonSetsTheValue) {
  EXPECT_EQ(HoldAt(400, 150), 0);  // no button held
  EXPECT_EQ(slider->MouseOver, 1);
  Press(1);
  struct Case {
    int x, y, result, value;
  } cases[] = {{335, 150, 1, 0},  {465, 150, 1, 100}, {301, 150, 1, 0},  {489, 150, 1, 100},
               {400, 150, 1, 50}, {401, 150, 1, 51},  {500, 150, 0, 51}, {400, 171, 0, 51},
               {300, 150, 1, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(HoldAt(c.x, c.y), c.result) << c.x << "," << c.y;
    EXPECT_EQ(slider->Value, c.value) << c.x << "," << c.y;
  }
  slider->active = 0;
  EXPECT_EQ(HoldAt(400, 150), 0);
}

class ScrollBarTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    MakeImage("thumb", 20, 30);
    MakeButton("up", 20, 20);
    MakeButton("down", 20, 20);
    MakeMenuPicture("up_disabled", 20, 20);
    MakeMenuPicture("down_disabled", 20, 20);
    thumb = TGameImage::Create(Game->ImagePath + "thumb.png", -1, 0);
    bar = TScrollBar::Create(thumb, 270, 9, 30, 149, 1);  // travel 240, 9 values
    bar->SetArrows("up", "down", 200);
  }
  void Tick() {
    Step();
    bar->Manage();
  }
  std::shared_ptr<TGameImage> thumb;
  std::shared_ptr<TScrollBar> bar;
};

TEST_F(ScrollBarTest, ArrowsPlacedAndDisabledAtTheEnds) {
  auto up = bar->Menu->FindButton("up");
  auto down = bar->Menu->FindButton("down");
  EXPECT_EQ(up->y, 129);
  EXPECT_EQ(down->y, 149 + 270);
  EXPECT_EQ(up->Disabled, 1);
  EXPECT_EQ(down->Disabled, 0);
  auto negative = TScrollBar::Create(thumb, 270, -3, 30, 149, 1);
  EXPECT_EQ(negative->ValueMax, 0);
}

TEST_F(ScrollBarTest, ArrowClicksStepTheValue) {
  Click(35, 425);  // down arrow
  Tick();
  EXPECT_EQ(bar->Value, 1);
  EXPECT_EQ(bar->SliderPosition, 27);  // ccRound(1 * 240 / 9) = 27
  Tick();
  bar->ValuePrecise = 8.7;
  Click(35, 425);
  Tick();
  EXPECT_EQ(bar->ValuePrecise, 9);
  EXPECT_EQ(bar->Menu->FindButton("down")->Disabled, 1);
  bar->ValuePrecise = 0.4;
  Click(35, 135);  // up arrow
  Tick();
  EXPECT_EQ(bar->ValuePrecise, 0);
  EXPECT_EQ(bar->Menu->FindButton("up")->Disabled, 1);
}

TEST_F(ScrollBarTest, DragFollowsThePointerAndPins) {
  MoveTo(40, 160);  // on the thumb at position 0
  Press(1);
  Tick();
  EXPECT_EQ(bar->SliderSelected, 1);
  EXPECT_EQ(bar->SliderOffset, 11);
  EXPECT_FLOAT_EQ(bar->SliderGlow, 0.0f);  // the glow follows the drag from the next tick
  MoveTo(40, 160 + 80);
  Tick();
  EXPECT_EQ(bar->SliderPosition, 80);
  EXPECT_EQ(bar->Value, 3);
  EXPECT_FLOAT_EQ(bar->SliderGlow, 0.5f);
  MoveTo(40, 1000);
  Tick();
  EXPECT_EQ(bar->SliderPosition, 240);
  EXPECT_EQ(bar->Value, 9);
  Release(1);
  Tick();
  EXPECT_EQ(bar->SliderSelected, 0);
  for (int i = 0; i < 25; ++i) Tick();
  EXPECT_NEAR(bar->SliderGlow, 0.0f, 1e-5);
}

class ToolTipTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    tip.image = std::make_shared<TGameImage>();
    tip.image->w = 100;
    tip.image->h = 40;
    Game->Mouse->h = 20;
  }
  TToolTip tip;
};

TEST_F(ToolTipTest, ComesUpOnThe51stHoveringTick) {
  for (int i = 0; i < 50; ++i) tip.Collide(1);
  EXPECT_EQ(tip.Visible, 0);
  tip.Collide(1);
  EXPECT_EQ(tip.Visible, 1);
  EXPECT_FLOAT_EQ(tip.FadeLevel, 0.02f);
  tip.Collide(0);
  EXPECT_EQ(tip.CollideCounter, 0);
  EXPECT_EQ(tip.Visible, 0);  // faded from 0.02 to nothing at once
  tip.SetCollideCounterMax(102);
  EXPECT_EQ(tip.CollideCounterMax, 20);
  tip.SetCollideCounterMax(0);
  tip.Collide(1);
  EXPECT_EQ(tip.Visible, 1);
}

TEST_F(ToolTipTest, FadesBackWithOldTextAndPlace) {
  tip.CollideCounterMax = 20;
  Game->Mouse->x = 100;
  Game->Mouse->y = 100;
  tip.SetText("first");
  for (int i = 0; i < 71; ++i) tip.Collide(1);
  EXPECT_FLOAT_EQ(tip.FadeLevel, 1.0f);
  EXPECT_EQ(tip.x, 100);
  EXPECT_EQ(tip.y, 125);
  EXPECT_EQ(tip.SetText("second"), 0);
  tip.Collide(0);
  Game->Mouse->x = 300;
  for (int i = 0; i < 21; ++i) tip.Collide(1);
  EXPECT_EQ(tip.Visible, 1);
  EXPECT_EQ(tip.Text, "first");
  EXPECT_EQ(tip.x, 100);  // placed once only
}

TEST_F(ToolTipTest, PlacementAtTheEdges) {
  tip.CollideCounterMax = 0;
  tip.XOffset = -10;
  Game->Mouse->x = 750;
  Game->Mouse->y = 560;
  tip.Collide(1);
  EXPECT_EQ(tip.x, 700);  // flush with the right edge
  EXPECT_EQ(tip.y, 560 - 5 - 40);  // above the pointer
  tip.SetCoordsOnceOnly = 0;
  Game->Mouse->x = 5;
  Game->Mouse->y = 10;
  tip.Collide(1);
  EXPECT_EQ(tip.x, -5);
  EXPECT_EQ(tip.y, 35);
}

TEST_F(UiTest, PointerHitsAndButtons) {
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, 5, 5});
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, 2, 5, 5});
  Step();
  EXPECT_EQ(Game->Mouse->mh, 1);
  EXPECT_EQ(Game->Mouse->h2, 1);
  EXPECT_EQ(Game->Mouse->GetMh(0), 1);
  EXPECT_EQ(Game->Mouse->GetMh(1), 1);
  EXPECT_EQ(Game->Mouse->GetMh(1), 0);
  EXPECT_EQ(Game->Mouse->GetMb(), 2);
  Game->Mouse->ClearButtons();
  EXPECT_EQ(Game->Mouse->GetMb(), 0);
  Step();
  EXPECT_EQ(Game->Mouse->GetMh(0), 0);  // a hit lives for one step only
  EXPECT_EQ(Game->Mouse->Manage(), 1);
  Game->Mouse->Off();
  EXPECT_EQ(Game->Mouse->Manage(), 0);
  // Polling takes the held buttons and the new hits of the utility library's mouse state once.
  ccProcessEvent({platform::EVENT_MOUSE_DOWN, 3, 7, 8});
  Game->Mouse->Update();
  EXPECT_EQ(Game->Mouse->GetMb(), 1);
  EXPECT_EQ(Game->Mouse->h3, 1);
  Game->Mouse->Update();
  EXPECT_EQ(Game->Mouse->GetMh(0), 0);
  EXPECT_EQ(Game->Mouse->GetMb(), 1);
}

}  // namespace

#include "ui/label.h"
#include "util/text_draw.h"

namespace {

TEST_F(UiTest, LabelWrapsAndMeasures) {
  auto label = TLabel::CreateSpecial("aaaa bbbb cccc", 10.9f, 0, 0, 0);
  label->Init(nullptr, label->Color, nullptr, 0, nullptr, nullptr);
  const int charWidth = ccTextWidth("a");
  EXPECT_EQ(label->CalcWidth(), static_cast<float>(ccTextWidth("aaaa bbbb cccc")));
  label->WordWrap = 9 * charWidth;
  EXPECT_EQ(label->Draw(0, 0), 1);  // not laid out yet: no lines, still drawn
  label->PreCalcWordWrap();
  EXPECT_EQ(label->TextArray, (std::vector<std::string>{"aaaa bbbb", "cccc"}));
  EXPECT_EQ(label->LineGap, ccTextHeight("ABCXYZ"));
  EXPECT_EQ(label->CalcHeight(), static_cast<float>(2 * label->LineGap));
  label->Text = "one\n\ntwo";
  label->PreCalcWordWrap();
  EXPECT_EQ(label->TotalLines, 3);
  label->Visible = 0;
  EXPECT_EQ(label->Draw(0, 0), 0);
}

}  // namespace
