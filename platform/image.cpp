#include "platform/graphics.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "platform/files.h"
#include "platform/graphics_internal.h"
#include "platform/image_codec.h"
#include "platform/image_internal.h"

namespace platform {

namespace {

struct ImageSettings {
  Rgb mask{0, 0, 0};
  int default_flags = IMAGE_MASKED | IMAGE_FILTERED;
  bool auto_mid_handle = false;
};

ImageSettings& Settings() {
  static ImageSettings settings;
  return settings;
}

int ResolveFlags(int flags) { return flags == IMAGE_DEFAULT_FLAGS ? Settings().default_flags : flags; }

// Pixels of the mask colour become transparent; only for pictures that carry no alpha of their own.
void ApplyMask(Pixmap& pixmap) {
  const auto& m = Settings().mask;
  const Argb key = (Argb(m.r & 0xFF) << 16) | (Argb(m.g & 0xFF) << 8) | Argb(m.b & 0xFF);
  Argb* p = pixmap.Pixels();
  const std::size_t n = static_cast<std::size_t>(pixmap.Width()) * pixmap.Height();
  for (std::size_t i = 0; i < n; ++i) {
    if ((p[i] & 0x00FFFFFFu) == key) p[i] &= 0x00FFFFFFu;
  }
}

std::shared_ptr<detail::ImageImpl> NewImage(int w, int h, int frames, int flags) {
  auto image = std::make_shared<detail::ImageImpl>(w, h, frames, flags);
  if (Settings().auto_mid_handle) image->MidHandle();
  return image;
}

void CopyCell(const Pixmap& from, int fx, int fy, Pixmap& to) {
  for (int y = 0; y < to.Height(); ++y) {
    std::copy_n(from.Pixels() + static_cast<std::size_t>(fy + y) * from.Width() + fx, to.Width(),
                to.Pixels() + static_cast<std::size_t>(y) * to.Width());
  }
}

detail::DecodedImage DecodeFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return {};
  std::string error;
  auto decoded = detail::DecodeImage(*bytes, &error);
  if (!decoded.pixmap) std::cerr << "Cannot decode image \"" << path << "\": " << error << std::endl;
  return decoded;
}

ImageRef ImageFromDecoded(detail::DecodedImage decoded, int flags) {
  if (!decoded.pixmap) return nullptr;
  flags = ResolveFlags(flags);
  if ((flags & IMAGE_MASKED) != 0 && !decoded.has_alpha) ApplyMask(*decoded.pixmap);
  auto image = NewImage(decoded.pixmap->Width(), decoded.pixmap->Height(), 1, flags);
  auto frame = image->LockFrame(0);
  std::copy_n(decoded.pixmap->Pixels(),
              static_cast<std::size_t>(frame->Width()) * frame->Height(), frame->Pixels());
  image->UnlockFrame(0);
  return image;
}

}  // namespace

// ---- ImageImpl ------------------------------------------------------------------------------

namespace detail {

ImageImpl::ImageImpl(int width, int height, int frames, int flags)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), flags_(flags) {
  frames_.resize(static_cast<std::size_t>(std::max(frames, 0)));
  for (auto& f : frames_) f.pixels = std::make_shared<Pixmap>(width_, height_);
}

ImageImpl::~ImageImpl() {
  for (auto& f : frames_) {
    // A texture of an earlier renderer went with that renderer.
    if (f.texture != nullptr && f.generation == GfxGeneration() && GfxRenderer() != nullptr) {
      TextureChanging(f.texture);
      SDL_DestroyTexture(f.texture);
    }
  }
}

PixmapRef ImageImpl::LockFrame(int frame) {
  if (!ValidFrame(frame)) return nullptr;
  return frames_[static_cast<std::size_t>(frame)].pixels;
}

void ImageImpl::UnlockFrame(int frame) {
  if (ValidFrame(frame)) frames_[static_cast<std::size_t>(frame)].dirty = true;
}

void ImageImpl::Precache(int frame) {
  if (ValidFrame(frame)) Texture(frame);
}

void ImageImpl::SetFrameRect(int frame, float left, float top, float right, float bottom) {
  if (!ValidFrame(frame)) return;
  auto& f = frames_[static_cast<std::size_t>(frame)];
  f.left = left;
  f.top = top;
  f.right = right;
  f.bottom = bottom;
}

void ImageImpl::FrameRect(int frame, float* l, float* t, float* r, float* b) const {
  const auto& f = frames_[static_cast<std::size_t>(frame)];
  *l = f.left;
  *t = f.top;
  *r = f.right;
  *b = f.bottom;
}

SDL_Rect ImageImpl::SourceRect(int frame) const {
  const auto& f = frames_[static_cast<std::size_t>(frame)];
  const int x0 = static_cast<int>(std::lround(f.left * static_cast<float>(width_)));
  const int y0 = static_cast<int>(std::lround(f.top * static_cast<float>(height_)));
  const int x1 = static_cast<int>(std::lround(f.right * static_cast<float>(width_)));
  const int y1 = static_cast<int>(std::lround(f.bottom * static_cast<float>(height_)));
  return SDL_Rect{x0, y0, x1 - x0, y1 - y0};
}

SDL_Texture* ImageImpl::Texture(int frame) {
  SDL_Renderer* renderer = GfxRenderer();
  if (renderer == nullptr || !ValidFrame(frame) || width_ == 0 || height_ == 0) return nullptr;
  auto& f = frames_[static_cast<std::size_t>(frame)];
  if (f.generation != GfxGeneration()) {
    f.texture = nullptr;
    f.dirty = true;
  }
  if (f.texture == nullptr) {
    TextureChanging();
    f.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                  width_, height_);
    if (f.texture == nullptr) return nullptr;
    f.generation = GfxGeneration();
    const bool filtered = (flags_ & (IMAGE_FILTERED | IMAGE_MIPMAPPED)) != 0;
    SDL_SetTextureScaleMode(f.texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    f.dirty = true;
  }
  if (f.dirty) {
    TextureChanging(f.texture);
    SDL_UpdateTexture(f.texture, nullptr, f.pixels->Pixels(), f.pixels->Pitch());
    f.dirty = false;
  }
  return f.texture;
}

ImageImpl* Impl(const ImageRef& image) { return dynamic_cast<ImageImpl*>(image.get()); }

}  // namespace detail

// ---- Settings -------------------------------------------------------------------------------

void SetMaskColor(int r, int g, int b) { Settings().mask = Rgb{r, g, b}; }

void GetMaskColor(int* r, int* g, int* b) {
  if (r) *r = Settings().mask.r;
  if (g) *g = Settings().mask.g;
  if (b) *b = Settings().mask.b;
}

void SetDefaultImageFlags(int flags) {
  if (flags != IMAGE_DEFAULT_FLAGS) Settings().default_flags = flags;
}

int GetDefaultImageFlags() { return Settings().default_flags; }
void SetAutoMidHandle(bool on) { Settings().auto_mid_handle = on; }
bool GetAutoMidHandle() { return Settings().auto_mid_handle; }

// ---- Loading --------------------------------------------------------------------------------

ImageRef LoadImage(const std::string& path, int flags) { return ImageFromDecoded(DecodeFile(path), flags); }

ImageRef LoadImageFromMemory(const std::vector<unsigned char>& bytes, int flags) {
  std::string error;
  return ImageFromDecoded(detail::DecodeImage(bytes, &error), flags);
}

ImageRef LoadAnimImage(const std::string& path, int cell_w, int cell_h, int first, int count, int flags) {
  auto decoded = DecodeFile(path);
  if (!decoded.pixmap || cell_w <= 0 || cell_h <= 0 || first < 0 || count <= 0) return nullptr;
  const int columns = decoded.pixmap->Width() / cell_w;
  const int rows = decoded.pixmap->Height() / cell_h;
  if (columns <= 0 || rows <= 0 || first + count > columns * rows) {
    std::cerr << "Image \"" << path << "\" holds fewer than " << first + count << " cells of "
              << cell_w << "x" << cell_h << std::endl;
    return nullptr;
  }
  flags = ResolveFlags(flags);
  if ((flags & IMAGE_MASKED) != 0 && !decoded.has_alpha) ApplyMask(*decoded.pixmap);
  auto image = NewImage(cell_w, cell_h, count, flags);
  for (int i = 0; i < count; ++i) {
    const int cell = first + i;
    auto frame = image->LockFrame(i);
    CopyCell(*decoded.pixmap, (cell % columns) * cell_w, (cell / columns) * cell_h, *frame);
    image->UnlockFrame(i);
  }
  return image;
}

ImageRef CreateImage(int width, int height, int frames, int flags) {
  if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
  return NewImage(width, height, frames, ResolveFlags(flags));
}

ImageRef LoadImageFromPixmap(const PixmapRef& pixmap, int flags) {
  if (!pixmap || pixmap->Width() <= 0 || pixmap->Height() <= 0) return nullptr;
  auto image = NewImage(pixmap->Width(), pixmap->Height(), 1, ResolveFlags(flags));
  auto frame = image->LockFrame(0);
  std::copy_n(pixmap->Pixels(), static_cast<std::size_t>(pixmap->Width()) * pixmap->Height(),
              frame->Pixels());
  image->UnlockFrame(0);
  return image;
}

PixmapRef GrabPixmap(int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return nullptr;
  auto pixmap = CreatePixmap(w, h);
  SDL_Renderer* renderer = detail::GfxRenderer();
  if (renderer == nullptr) return pixmap;
  detail::SendDrawing();
  // Only the part on the screen is read; the rest stays transparent.
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, GraphicsWidth()), y1 = std::min(y + h, GraphicsHeight());
  if (x1 <= x0 || y1 <= y0) return pixmap;
  std::vector<Argb> buffer(static_cast<std::size_t>(x1 - x0) * (y1 - y0));
  const SDL_Rect rect{x0, y0, x1 - x0, y1 - y0};
  if (SDL_RenderReadPixels(renderer, &rect, SDL_PIXELFORMAT_ARGB8888, buffer.data(), rect.w * 4) != 0) {
    return pixmap;
  }
  for (int row = 0; row < rect.h; ++row) {
    for (int col = 0; col < rect.w; ++col) {
      // The screen is opaque, whatever alpha drawing left in the target.
      pixmap->WritePixel(x0 - x + col, y0 - y + row,
                         buffer[static_cast<std::size_t>(row) * rect.w + col] | 0xFF000000u);
    }
  }
  return pixmap;
}

void GrabImage(const ImageRef& image, int x, int y, int frame) {
  auto* impl = detail::Impl(image);
  if (impl == nullptr || !impl->ValidFrame(frame)) return;
  auto grabbed = GrabPixmap(x, y, impl->Width(), impl->Height());
  auto pixels = impl->LockFrame(frame);
  if (grabbed) std::copy_n(grabbed->Pixels(), static_cast<std::size_t>(grabbed->Width()) * grabbed->Height(), pixels->Pixels());
  impl->UnlockFrame(frame);
}

// ---- Drawing --------------------------------------------------------------------------------

void DrawImage(const ImageRef& image, float x, float y, int frame) {
  auto* impl = detail::Impl(image);
  if (impl == nullptr || !impl->ValidFrame(frame)) return;
  SDL_Texture* texture = impl->Texture(frame);
  const float x0 = -impl->HandleX(), y0 = -impl->HandleY();
  detail::DrawTexturedQuad(texture, impl->SourceRect(frame), x0, y0, x0 + static_cast<float>(impl->Width()),
                           y0 + static_cast<float>(impl->Height()), x, y);
}

void DrawImageRect(const ImageRef& image, float x, float y, float w, float h, int frame) {
  auto* impl = detail::Impl(image);
  if (impl == nullptr || !impl->ValidFrame(frame)) return;
  SDL_Texture* texture = impl->Texture(frame);
  const float x0 = -impl->HandleX(), y0 = -impl->HandleY();
  detail::DrawTexturedQuad(texture, impl->SourceRect(frame), x0, y0, x0 + w, y0 + h, x, y);
}

void DrawSubImageRect(const ImageRef& image, float x, float y, float w, float h, float sx, float sy,
                      float sw, float sh, int frame) {
  auto* impl = detail::Impl(image);
  if (impl == nullptr || !impl->ValidFrame(frame) || sw <= 0 || sh <= 0) return;
  SDL_Texture* texture = impl->Texture(frame);
  const float x0 = -impl->HandleX(), y0 = -impl->HandleY();
  const SDL_Rect src{static_cast<int>(std::lround(sx)), static_cast<int>(std::lround(sy)),
                     static_cast<int>(std::lround(sw)), static_cast<int>(std::lround(sh))};
  detail::DrawTexturedQuad(texture, src, x0, y0, x0 + w, y0 + h, x, y);
}

void DrawImageQuad(const ImageRef& image, float x, float y, const FPoint corners[4], int frame) {
  auto* impl = detail::Impl(image);
  if (impl == nullptr || !impl->ValidFrame(frame) || corners == nullptr) return;
  SDL_Texture* texture = impl->Texture(frame);
  SDL_FPoint screen[4];
  for (int i = 0; i < 4; ++i) screen[i] = detail::TransformPoint(corners[i].x, corners[i].y, x, y);
  float l, t, r, b;
  impl->FrameRect(frame, &l, &t, &r, &b);
  detail::DrawTexturedCorners(texture, screen, l, t, r, b);
}

}  // namespace platform
