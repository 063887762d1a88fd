#include "gfx/image_bank.h"

#include <gtest/gtest.h>

#include "gfx/globals.h"
#include "gfx_test_support.h"
#include "util/error.h"

namespace {

class ImageBankTest : public gfx_test::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    dir_ = gfx_test::ScratchFolder("images");
    gfx_test::WritePng(dir_ + "cards/spincard.png", 101, 51, 0xFFFF0000);
    gfx_test::WritePng(dir_ + "other/spincard.png", 20, 20, 0xFF00FF00);
    gfx_test::WritePng(dir_ + "backs/photo.jpg.png", 8, 8, 0xFF0000FF);
    gfx_test::WritePng(dir_ + "strip.png", 40, 10, 0xFFFFFFFF);
    bank_.SetPath(dir_.substr(0, dir_.size() - 1));  // without the trailing "/"
  }
  std::string dir_;
  TImageBank bank_;
};

TEST_F(ImageBankTest, SetPathAddsOneSeparator) {
  EXPECT_EQ(bank_.Path, dir_);
  bank_.SetPath(dir_);
  EXPECT_EQ(bank_.Path, dir_);
}

TEST_F(ImageBankTest, LookUpIgnoresCaseAndTheFirstLoadedWins) {
  bank_.Load("cards/spincard", "", -1, 1);
  bank_.LoadNoMid("other/spincard", "", -1);
  for (const char* name : {"spincard", "SpinCard", "SPINCARD"}) {
    auto img = bank_.Find(name);
    ASSERT_NE(img, nullptr) << name;
    EXPECT_EQ(img->name, "SPINCARD");
    EXPECT_EQ(img->w, 101);  // the one from "cards/", loaded first
  }
  auto first = bank_.Find("spincard");
  EXPECT_EQ(first->w2, 50);
  EXPECT_EQ(first->h2, 25);
  EXPECT_EQ(first->midhandled, 1);
  EXPECT_EQ(bank_.Images[1]->midhandled, 0);
  EXPECT_EQ(bank_.FindTImage("spinCARD"), first->image);
}

TEST_F(ImageBankTest, AGivenNameReplacesTheFileName) {
  bank_.Load("cards/spincard", "wheel", -1, 0);
  EXPECT_NE(bank_.Find("WHEEL"), nullptr);
  EXPECT_EQ(bank_.FindTImage("spincard"), nullptr);
}

TEST_F(ImageBankTest, AMissingNameIsFatalWithTheBanksMessage) {
  bank_.Load("cards/spincard", "", -1, 1);
  try {
    bank_.Find("nothere");
    FAIL() << "expected a fatal error";
  } catch (const ccFatalError& e) {
    EXPECT_STREQ(e.what(), "Image 'NOTHERE' was not found in the ImageBank");
  }
  ShowErrors = 0;
  EXPECT_EQ(bank_.Find("nothere"), nullptr);
  ShowErrors = 1;
}

TEST_F(ImageBankTest, AnExtensionInTheFileNameIsKept) {
  // "photo.jpg" has its own extension, so ".png" is not added to it.
  EXPECT_THROW(bank_.Load("backs/photo.jpg", "", -1, 0), ccFatalError);
  bank_.Load("backs/photo.jpg.png", "", -1, 0);
  EXPECT_EQ(bank_.Images.back()->name, "PHOTO.JPG");
}

TEST_F(ImageBankTest, LoadAnimCutsFramesAndAlwaysAddsTheExtension) {
  bank_.LoadAnim("strip", 10, 10, 0, 4, -1, 2);  // only exactly 1 centres the handle
  auto strip = bank_.Find("strip");
  EXPECT_EQ(strip->Frames(), 4);
  EXPECT_EQ(strip->w, 10);
  EXPECT_EQ(strip->midhandled, 0);
  try {
    bank_.LoadAnim("strip.png", 10, 10, 0, 4, -1, 1);
    FAIL() << "expected a fatal error";
  } catch (const ccFatalError& e) {
    EXPECT_EQ(std::string(e.what()), "Error loading anim bitmap " + dir_ + "strip.png.png");
  }
}

TEST_F(ImageBankTest, MemoryFiguresAreKilobytesOfThirtyTwoBitFrames) {
  EXPECT_EQ(bank_.CalcRAM(), 0);
  TGameImage img;
  img.image = gfx_test::SolidImage(100, 100, {0xFFFFFFFF, 0xFFFFFFFF});
  img.GetSize();
  EXPECT_EQ(img.CalcRAM(), 80000);
  EXPECT_EQ(img.CalcVRAM(), 131072);
  bank_.Images.push_back(std::make_shared<TGameImage>(img));
  EXPECT_EQ(bank_.CalcRAM(), 78);
  EXPECT_EQ(bank_.CalcVRAM(), 128);
}

}  // namespace
