#pragma once
// Private to the platform library: the image implementation behind platform::Image.

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/graphics_internal.h"

namespace platform::detail {

// Where a picture's pixels can be read again: its file, the cells cut from it and the mask colour
// made transparent when it was loaded.
struct ImageSource {
  std::string path;
  int cell_w = 0, cell_h = 0, first = 0;  // a cell size of 0: the whole picture is frame 0
  bool masked = false;
  Argb mask_key = 0;  // 0x00RRGGBB
};

// What the pictures hold now, for measuring memory.
struct ImageMemory {
  int images = 0;
  int frames = 0;
  int frames_with_pixels = 0;
  long long pixel_bytes = 0;    // our own copies of frames' pixels
  long long texture_bytes = 0;  // the renderer's textures of the current renderer (4 bytes a pixel)
};
ImageMemory HeldByImages();
// The pictures holding the most bytes of their own pixels (or of textures), largest first, as
// "path: bytes" lines.
std::vector<std::string> LargestHolders(std::size_t count, bool textures);

class ImageImpl final : public Image {
 public:
  // Frames start transparent (all pixels 0), or without pixels when not `blank` (every frame's
  // pixels are then given by SetFramePixels). `flags` are already resolved (never -1).
  ImageImpl(int width, int height, int frames, int flags, bool blank = true);
  // A picture read from a file: once a frame's texture holds its pixels, the frame's own copy is
  // let go, unless the frame is read back (LockFrame, collisions); a new renderer gets them from
  // the file again.
  void SetSource(ImageSource source) { source_ = std::make_unique<ImageSource>(std::move(source)); }
  ~ImageImpl() override;
  ImageImpl(const ImageImpl&) = delete;
  ImageImpl& operator=(const ImageImpl&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int Frames() const override { return static_cast<int>(frames_.size()); }
  void SetHandle(float x, float y) override {
    handle_x_ = x;
    handle_y_ = y;
  }
  float HandleX() const override { return handle_x_; }
  float HandleY() const override { return handle_y_; }
  int Flags() const override { return flags_; }
  PixmapRef LockFrame(int frame) override;
  void UnlockFrame(int frame) override;
  void Precache(int frame) override;
  void SetFrameRect(int frame, float left, float top, float right, float bottom) override;

  bool ValidFrame(int frame) const { return frame >= 0 && frame < Frames(); }
  // The frame's pixels for reading (a valid frame): read from the file again if they were let go,
  // and kept from then on.
  const Pixmap& FramePixels(int frame);
  // Whether the frame holds its own copy of its pixels now.
  bool HoldsPixels(int frame) const { return frames_[static_cast<std::size_t>(frame)].pixels != nullptr; }
  // Whether the frame has a texture of the current renderer.
  bool HasTexture(int frame) const {
    const auto& f = frames_[static_cast<std::size_t>(frame)];
    return f.texture != nullptr && f.generation == GfxGeneration();
  }
  // The frame's texture as it was last made (of an earlier renderer when not HasTexture).
  SDL_Texture* FrameTexture(int frame) const { return frames_[static_cast<std::size_t>(frame)].texture; }
  bool ReadBack() const { return read_back_; }
  // Replaces a frame's pixels (of the image's size).
  void SetFramePixels(int frame, PixmapRef pixels);
  // The frame's texture for the current renderer, made or refreshed as needed (nullptr when no
  // graphics are open).
  SDL_Texture* Texture(int frame);
  // The frame's texture rectangle in pixels.
  SDL_Rect SourceRect(int frame) const;
  void FrameRect(int frame, float* l, float* t, float* r, float* b) const;
  const ImageSource* Source() const { return source_.get(); }
  // Lets go of every frame's pixels when they are the file's own (not read back): a frame not
  // drawn yet reads them from the file again when first drawn.
  void DropFilePixels();

 private:
  // Gives every frame without pixels its pixels from the file again (transparent when the file
  // cannot be read any more).
  void RestorePixels();
  // Lets go of the pixels of frames whose texture holds them, unless they are read back.
  void DropUploadedPixels();

  struct Frame {
    PixmapRef pixels;
    SDL_Texture* texture = nullptr;
    int generation = -1;
    bool dirty = true;
    float left = 0, top = 0, right = 1, bottom = 1;
  };
  int width_, height_, flags_;
  float handle_x_ = 0, handle_y_ = 0;
  std::vector<Frame> frames_;
  std::unique_ptr<ImageSource> source_;  // nullptr: made in memory, its pixels are always kept
  bool read_back_ = false;               // a frame was locked or collided: pixels are kept
};

// The implementation behind an image reference (nullptr for a null reference).
ImageImpl* Impl(const ImageRef& image);

}  // namespace platform::detail
