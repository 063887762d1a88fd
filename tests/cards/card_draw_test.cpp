// Cards drawn on the headless software renderer, read back pixel by pixel.
#include <gtest/gtest.h>

#include "cards/card.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "tests/cards/field_fixture.h"

namespace {

// A sheet whose frame f is filled with the colour (f, 100, 200).
std::shared_ptr<TGameImage> Sheet(int frames) {
  auto img = std::make_shared<TGameImage>();
  img->image = platform::CreateImage(TCard::cardw, TCard::cardh, frames);
  for (int f = 0; f < frames; ++f) {
    auto pix = img->image->LockFrame(f);
    pix->Fill(0xFF000000u | (static_cast<unsigned>(f) << 16) | (100u << 8) | 200u);
    img->image->UnlockFrame(f);
  }
  img->w = TCard::cardw;
  img->h = TCard::cardh;
  img->w2 = TCard::cardw2;
  img->h2 = TCard::cardh2;
  return img;
}

class CardDrawTest : public FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    std::string error;
    platform::GraphicsOptions options;
    ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
    saved_[0] = TCard::CardFrontWhite;
    saved_[1] = TCard::CardBack;
    TCard::CardFrontWhite = Sheet(52);
    TCard::CardBack = Sheet(1);
  }
  void TearDown() override {
    TCard::CardFrontWhite = saved_[0];
    TCard::CardBack = saved_[1];
    platform::GraphicsClose();
    FieldFixture::TearDown();
  }
  int RedAt(int x, int y) {
    auto pix = platform::GrabPixmap(x, y, 1, 1);
    return static_cast<int>((pix->ReadPixel(0, 0) >> 16) & 0xFF);
  }
  std::shared_ptr<TGameImage> saved_[2];
};

TEST_F(CardDrawTest, FaceUpCardsDrawTheirFrameAndFaceDownCardsTheBack) {
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  platform::SetBlend(platform::BLEND_ALPHA);
  auto king = TCard::Make(100, 100, CARDTYPE_SAND, 1, 13, 3);
  auto seven = TCard::Make(300, 100, CARDTYPE_NORMAL, 1, 7, 2);
  auto down = TCard::Make(500, 100, CARDTYPE_NORMAL, 0, 7, 2);
  king->Draw();
  seven->Draw();
  down->Draw();
  EXPECT_EQ(RedAt(130, 150), 51);
  EXPECT_EQ(RedAt(330, 150), 32);
  EXPECT_EQ(RedAt(530, 150), 0);
  EXPECT_EQ(RedAt(90, 150), 0);  // nothing left of the first card
}

TEST_F(CardDrawTest, ALayoutCardWithACardOnItIsDrawnShadedAndAFreeOneIsNot) {
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  platform::SetBlend(platform::BLEND_ALPHA);
  // Frame 6 (a seven of suit 0) is (6, 100, 200); the back is (0, 100, 200).
  auto covered = TCard::Make(100, 100, CARDTYPE_NORMAL, 1, 7, 0);
  covered->Relationships = {2};
  auto coveredDown = TCard::Make(200, 100, CARDTYPE_NORMAL, 0, 7, 0);
  coveredDown->Relationships = {2};
  auto turning = TCard::Make(300, 100, CARDTYPE_NORMAL, 1, 7, 0);
  turning->Relationships = {2};
  turning->FlipStart(0);  // a mulligan turns a newly covered card face down
  auto free = TCard::Make(400, 100, CARDTYPE_NORMAL, 1, 7, 0);
  auto stock = TCard::Make(500, 100, CARDTYPE_NORMAL, 0, 7, 0);
  stock->Playfield = 0;
  stock->Stock = 1;
  stock->Relationships = {2};  // only layout cards count as covered
  for (const auto& card : {covered, coveredDown, turning, free, stock}) card->Draw();
  auto pixel = [](int x, int y) { return platform::GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0); };
  auto green = [&](int x, int y) { return static_cast<int>((pixel(x, y) >> 8) & 0xFF); };
  auto blue = [&](int x, int y) { return static_cast<int>(pixel(x, y) & 0xFF); };
  // Drawn after the covered ones, the free card and the stock card keep their full colour.
  const int freeGreen = green(430, 150), freeBlue = blue(430, 150);
  EXPECT_EQ(freeGreen, 100);
  EXPECT_EQ(freeBlue, 200);
  EXPECT_EQ(green(530, 150), 100);
  EXPECT_EQ(blue(530, 150), 200);
  // A covered card, face up, face down or turning, is tinted to 150/255 of its colour: (100, 200)
  // becomes (59, 118), within a unit of the renderer's rounding. The shade is plainly visible (at
  // most two thirds of the free card's brightness) and the card still shows (over half of it).
  for (int x : {130, 230, 334}) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(green(x, 150), 59, 1);
    EXPECT_NEAR(blue(x, 150), 118, 1);
    EXPECT_LE(3 * blue(x, 150), 2 * freeBlue);
    EXPECT_GE(2 * blue(x, 150), freeBlue);
  }
}

TEST_F(CardDrawTest, ATurningCardIsSqueezedAboutItsCentre) {
  platform::SetClsColor(255, 0, 0);
  platform::Cls();
  platform::SetBlend(platform::BLEND_ALPHA);
  auto card = TCard::Make(100, 100, CARDTYPE_NORMAL, 1, 1, 0);
  card->FlipStart(0);
  for (int i = 0; i < 12; ++i) card->Manage();  // about half the width left
  card->Draw();
  EXPECT_EQ(RedAt(134, 150), 0);    // the centre is covered
  EXPECT_EQ(RedAt(102, 150), 255);  // the left edge is not
  float sx = 0, sy = 0;
  platform::GetScale(&sx, &sy);
  EXPECT_EQ(sx, 1.0f);  // the drawing scale is put back
}

}  // namespace
