// The drawing layer's count of the pictures alive and its look for those that nothing holds: a
// picture lost without being freed is found and reported once, what the layer and the images hold
// is never taken for lost, and a texture lost during play is found before the renderer frees it.
#include "platform/picture_count.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics.h"
#include "tests/support/harness.h"
#include "tests/support/lost_picture.h"

namespace {

using Lines = std::vector<std::string>;

class PictureCountTest : public testing::Test {
 protected:
  void SetUp() override {
    quill_test::OpenScreen();
    saved_ = platform::SetUnheldPictureReport([this](const std::string& line) { reports_.push_back(line); });
  }
  void TearDown() override {
    platform::SetUnheldPictureReport(saved_);
    platform::GraphicsClose();
  }

  static std::string Lost(const std::string& size, const std::string& kind) {
    return "a " + size + " " + kind + " made for " + quill_test::kLostPictureUse;
  }

  Lines reports_;

 private:
  platform::PictureReport saved_;
};

TEST_F(PictureCountTest, PicturesLostAreCountedNamedAndReportedOnceEach) {
  const platform::PictureCount before = platform::CountPictures();
  EXPECT_EQ(before.unheld, 0);
  void* texture = quill_test::LoseTexture(256, 256);
  void* surface = quill_test::LoseSurface(64, 32);
  ASSERT_NE(texture, nullptr);
  ASSERT_NE(surface, nullptr);

  const platform::PictureCount lost = platform::CountPictures();
  EXPECT_EQ(lost.textures, before.textures + 1);
  EXPECT_EQ(lost.surfaces, before.surfaces + 1);
  EXPECT_EQ(lost.unheld, 2);
  EXPECT_EQ(platform::UnheldPictures(), (Lines{Lost("256 x 256", "texture"), Lost("64 x 32", "surface")}));

  EXPECT_EQ(platform::CheckPictures("after the first step"), 2);
  EXPECT_EQ(reports_, (Lines{Lost("256 x 256", "texture") + " is held by nothing after the first step",
                             Lost("64 x 32", "surface") + " is held by nothing after the first step"}));
  // Still lost, but already reported.
  EXPECT_EQ(platform::CheckPictures("after the second step"), 0);
  EXPECT_EQ(reports_.size(), 2u);
  EXPECT_EQ(platform::CountPictures().unheld, 2);

  quill_test::FreeLostTexture(texture);
  quill_test::FreeLostSurface(surface);
  const platform::PictureCount after = platform::CountPictures();
  EXPECT_EQ(after.textures, before.textures);
  EXPECT_EQ(after.surfaces, before.surfaces);
  EXPECT_EQ(after.unheld, 0);
}

// Every kind of picture the drawing layer makes for itself or for an image, each made by a draw of
// its own: the frame's texture, the font, a turned frame and the kept picture of a stretch over the
// screen's edge. All are alive and held; freeing the image frees its texture.
TEST_F(PictureCountTest, WhatTheLayerAndTheImagesHoldIsNotLost) {
  const platform::PictureCount before = platform::CountPictures();
  EXPECT_EQ(before.surfaces, 1);  // the off-screen target
  EXPECT_EQ(before.textures, 0);
  auto image = platform::CreateImage(16, 16, 1, platform::IMAGE_DEFAULT_FLAGS);
  image->LockFrame(0)->Fill(0xFF40A060u);
  image->UnlockFrame(0);

  platform::Cls();
  platform::DrawImage(image, 100, 100);
  platform::DrawText("Quillbrook", 10, 10);
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetRotation(30);
  platform::DrawImage(image, 200, 200);
  platform::SetRotation(0);
  platform::SetScale(3, 3);
  platform::DrawImage(image, -10, -10);
  platform::ResetDrawState();
  platform::Flip(0);

  const platform::PictureCount drawn = platform::CountPictures();
  EXPECT_EQ(drawn.textures, 4);
  EXPECT_EQ(drawn.surfaces, 1);
  EXPECT_EQ(drawn.unheld, 0);
  EXPECT_EQ(platform::UnheldPictures(), Lines{});

  // The image's texture goes with it, and the turned frames made of it.
  image = nullptr;
  const platform::PictureCount freed = platform::CountPictures();
  EXPECT_EQ(freed.textures, 2);
  EXPECT_EQ(freed.unheld, 0);
  EXPECT_EQ(platform::CheckPictures("after the image was freed"), 0);
  EXPECT_EQ(reports_, Lines{});
}

// A texture counts until SDL has freed it: an image's texture released with its image is gone at
// once, and so is one SDL destroys however it is asked to, while one released but left in the
// renderer (its SDL_DestroyTexture never called) stays counted, held by nothing, and is reported.
// Where SDL refused the count's memory functions, a texture counts until it is released: the
// release that destroys nothing takes it off, and a lost texture SDL destroys behind the layer's
// back stays counted, held by nothing, until the renderer's close names it and forgets it.
TEST_F(PictureCountTest, ATextureCountsUntilSdlHasFreedIt) {
  const bool untilFreed = quill_test::TexturesCountUntilSdlFreesThem();
  const platform::PictureCount before = platform::CountPictures();
  auto image = platform::CreateImage(16, 16, 1, platform::IMAGE_DEFAULT_FLAGS);
  image->LockFrame(0)->Fill(0xFF40A060u);
  image->UnlockFrame(0);
  platform::Cls();
  platform::DrawImage(image, 100, 100);
  platform::Flip(0);
  EXPECT_EQ(platform::CountPictures().textures, before.textures + 1);

  image = nullptr;
  const platform::PictureCount released = platform::CountPictures();
  EXPECT_EQ(released.textures, before.textures);
  EXPECT_EQ(released.unheld, 0);
  EXPECT_EQ(platform::UnheldPictures(), Lines{});
  EXPECT_EQ(platform::CheckPictures("after the image was released"), 0);
  EXPECT_EQ(reports_, Lines{});

  // Released, but left in the renderer; SDL destroys it later.
  void* kept = quill_test::LoseTexture(8, 8);
  ASSERT_NE(kept, nullptr);
  quill_test::ReleaseLostTextureOnly(kept);
  const platform::PictureCount left = platform::CountPictures();
  const std::string neverDestroyed = Lost("8 x 8", "texture") + " (released, but never destroyed)";
  if (untilFreed) {
    EXPECT_EQ(left.textures, before.textures + 1);
    EXPECT_EQ(left.unheld, 1);
    EXPECT_EQ(platform::UnheldPictures(), Lines{neverDestroyed});
    EXPECT_EQ(platform::CheckPictures("after the release"), 1);
    EXPECT_EQ(reports_, Lines{neverDestroyed + " is held by nothing after the release"});
  } else {
    EXPECT_EQ(left.textures, before.textures);
    EXPECT_EQ(left.unheld, 0);
    EXPECT_EQ(platform::CheckPictures("after the release"), 0);
    EXPECT_EQ(reports_, Lines{});
  }
  SDL_DestroyTexture(static_cast<SDL_Texture*>(kept));
  EXPECT_EQ(platform::CountPictures().textures, before.textures);
  EXPECT_EQ(platform::CountPictures().unheld, 0);

  // Lost, and destroyed by SDL without the layer.
  void* lost = quill_test::LoseTexture(8, 8);
  ASSERT_NE(lost, nullptr);
  EXPECT_EQ(platform::CountPictures().unheld, 1);
  SDL_DestroyTexture(static_cast<SDL_Texture*>(lost));
  const platform::PictureCount destroyed = platform::CountPictures();
  if (untilFreed) {
    EXPECT_EQ(destroyed.textures, before.textures);
    EXPECT_EQ(destroyed.unheld, 0);
  } else {
    EXPECT_EQ(destroyed.textures, before.textures + 1);
    EXPECT_EQ(destroyed.unheld, 1);
    reports_.clear();
    platform::GraphicsClose();
    EXPECT_EQ(reports_,
              Lines{Lost("8 x 8", "texture") + " is held by nothing when the renderer closed"});
    EXPECT_EQ(platform::CountPictures().textures, 0);
  }
}

// A texture lost during play is freed, unseen, with the renderer: the renderer's close looks for
// it first. After the close no texture is alive.
TEST_F(PictureCountTest, TheRendererLooksForLostTexturesBeforeItClosesAndFreesThem) {
  ASSERT_NE(quill_test::LoseTexture(32, 8), nullptr);
  platform::GraphicsClose();
  EXPECT_EQ(reports_, Lines{Lost("32 x 8", "texture") + " is held by nothing when the renderer closed"});
  const platform::PictureCount closed = platform::CountPictures();
  EXPECT_EQ(closed.textures, 0);
  EXPECT_EQ(closed.surfaces, 0);
  EXPECT_EQ(closed.unheld, 0);
}

}  // namespace
