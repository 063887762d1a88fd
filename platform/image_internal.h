#pragma once
// Private to the platform library: the image implementation behind platform::Image.

#include <SDL.h>

#include <vector>

#include "platform/graphics.h"

namespace platform::detail {

class ImageImpl final : public Image {
 public:
  // Frames start transparent (all pixels 0). `flags` are already resolved (never -1).
  ImageImpl(int width, int height, int frames, int flags);
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
  // The frame's pixels (never nullptr for a valid frame).
  const Pixmap& FramePixels(int frame) const { return *frames_[static_cast<std::size_t>(frame)].pixels; }
  // The frame's texture for the current renderer, made or refreshed as needed (nullptr when no
  // graphics are open).
  SDL_Texture* Texture(int frame);
  // The frame's texture rectangle in pixels.
  SDL_Rect SourceRect(int frame) const;
  void FrameRect(int frame, float* l, float* t, float* r, float* b) const;

 private:
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
};

// The implementation behind an image reference (nullptr for a null reference).
ImageImpl* Impl(const ImageRef& image);

}  // namespace platform::detail
