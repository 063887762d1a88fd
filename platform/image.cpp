#include "platform/graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <unordered_set>
#include <utility>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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

Argb MaskKey() {
  const auto& m = Settings().mask;
  return (Argb(m.r & 0xFF) << 16) | (Argb(m.g & 0xFF) << 8) | Argb(m.b & 0xFF);
}

// Pixels of the mask colour become transparent; only for pictures that carry no alpha of their own.
void ApplyMask(Pixmap& pixmap, Argb key) {
  Argb* p = pixmap.Pixels();
  const std::size_t n = static_cast<std::size_t>(pixmap.Width()) * pixmap.Height();
  for (std::size_t i = 0; i < n; ++i) {
    if ((p[i] & 0x00FFFFFFu) == key) p[i] &= 0x00FFFFFFu;
  }
}

std::shared_ptr<detail::ImageImpl> NewImage(int w, int h, int frames, int flags, bool blank = true) {
  auto image = std::make_shared<detail::ImageImpl>(w, h, frames, flags, blank);
  if (Settings().auto_mid_handle) image->MidHandle();
  return image;
}

void CopyCell(const Pixmap& from, int fx, int fy, Pixmap& to) {
  for (int y = 0; y < to.Height(); ++y) {
    std::copy_n(from.Pixels() + static_cast<std::size_t>(fy + y) * from.Width() + fx, to.Width(),
                to.Pixels() + static_cast<std::size_t>(y) * to.Width());
  }
}

// A picture's pixels are let go once its texture holds them. glibc gives a large block its own
// mapping, returned to the system when freed, but after the first such block is freed it raises
// the size that gets one, so later pictures come from the heap and leave holes there that are
// seldom given back. Fixing that size keeps every picture-sized block in a mapping of its own.
void KeepLargeBlocksMapped() {
#ifdef __GLIBC__
  static const bool fixed = mallopt(M_MMAP_THRESHOLD, 128 * 1024) == 1;
  static_cast<void>(fixed);
#endif
}

// `refused` gets the reason a file that is there was not read (not a plain file, past its bound).
detail::DecodedImage DecodeFile(const std::string& path, std::string* refused = nullptr) {
  KeepLargeBlocksMapped();
  const BoundedRead file = ReadBoundedFile(path, detail::kImageFileMaxBytes);
  if (!file.Read()) {
    if (!file.Missing())
      std::cerr << "Cannot decode image \"" << path << "\": " << file.reason << std::endl;
    if (file.Refused() && refused != nullptr) *refused = file.reason;
    return {};
  }
  std::string error;
  auto decoded = detail::DecodeImage(file.bytes, &error);
  if (!decoded.pixmap) std::cerr << "Cannot decode image \"" << path << "\": " << error << std::endl;
  return decoded;
}

// The frames of a decoded picture: the whole picture, or `count` cells of the source's size from
// its first cell, row by row (an empty list when the picture holds fewer cells).
std::vector<PixmapRef> CutFrames(detail::DecodedImage decoded, const detail::ImageSource& source,
                                 int count) {
  if (!decoded.pixmap) return {};
  if (source.masked && !decoded.has_alpha) ApplyMask(*decoded.pixmap, source.mask_key);
  if (source.cell_w <= 0) return {decoded.pixmap};
  const int columns = decoded.pixmap->Width() / source.cell_w;
  const int rows = decoded.pixmap->Height() / source.cell_h;
  if (columns <= 0 || rows <= 0 || source.first + count > columns * rows) return {};
  std::vector<PixmapRef> frames;
  for (int i = 0; i < count; ++i) {
    const int cell = source.first + i;
    auto frame = std::make_shared<Pixmap>(source.cell_w, source.cell_h);
    CopyCell(*decoded.pixmap, (cell % columns) * source.cell_w, (cell / columns) * source.cell_h, *frame);
    frames.push_back(std::move(frame));
  }
  return frames;
}

// A picture from a file: its frames cut, with the file kept as the way back to its pixels.
ImageRef ImageFromFile(detail::DecodedImage decoded, detail::ImageSource source, int count, int flags) {
  auto frames = CutFrames(std::move(decoded), source, count);
  if (frames.empty()) return nullptr;
  auto image = NewImage(frames.front()->Width(), frames.front()->Height(), count, flags, false);
  for (int i = 0; i < count; ++i) image->SetFramePixels(i, std::move(frames[static_cast<std::size_t>(i)]));
  image->SetSource(std::move(source));
  return image;
}

detail::ImageSource SourceFor(const std::string& path, int flags) {
  detail::ImageSource source;
  source.path = path;
  source.masked = (flags & IMAGE_MASKED) != 0;
  source.mask_key = MaskKey();
  return source;
}

ImageRef ImageFromPixels(const Pixmap& pixels, int flags) {
  auto image = NewImage(pixels.Width(), pixels.Height(), 1, flags);
  auto frame = image->LockFrame(0);
  std::copy_n(pixels.Pixels(), static_cast<std::size_t>(frame->Width()) * frame->Height(), frame->Pixels());
  image->UnlockFrame(0);
  return image;
}

// Every image alive, for measuring what they hold, by its address kept bit-inverted: held as it is,
// the address would keep every image reachable for the leak checker, and an image whose owner was
// lost would be reported as the owner alone, never as the image and its pixels. Never freed: images
// held by globals are destroyed after every function-local static.
std::unordered_set<std::uintptr_t>& LiveImageKeys() {
  static auto* keys = new std::unordered_set<std::uintptr_t>();
  return *keys;
}
std::uintptr_t LiveImageKey(const detail::ImageImpl* image) {
  return ~reinterpret_cast<std::uintptr_t>(image);
}

// The images alive, at the time of the call.
std::vector<detail::ImageImpl*> LiveImages() {
  std::vector<detail::ImageImpl*> images;
  images.reserve(LiveImageKeys().size());
  for (const std::uintptr_t key : LiveImageKeys())
    images.push_back(reinterpret_cast<detail::ImageImpl*>(~key));
  return images;
}

}  // namespace

// ---- ImageImpl ------------------------------------------------------------------------------

namespace detail {

ImageImpl::ImageImpl(int width, int height, int frames, int flags, bool blank)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), flags_(flags) {
  frames_.resize(static_cast<std::size_t>(std::max(frames, 0)));
  if (blank) {
    for (auto& f : frames_) f.pixels = std::make_shared<Pixmap>(width_, height_);
  }
  LiveImageKeys().insert(LiveImageKey(this));
}

ImageImpl::~ImageImpl() {
  LiveImageKeys().erase(LiveImageKey(this));
  for (auto& f : frames_) {
    // A texture of an earlier renderer went with that renderer.
    if (f.texture != nullptr && f.generation == GfxGeneration() && GfxRenderer() != nullptr) {
      TextureChanging(f.texture);
      FreeTexture(f.texture);
    }
  }
}

PixmapRef ImageImpl::LockFrame(int frame) {
  if (!ValidFrame(frame)) return nullptr;
  read_back_ = true;
  RestorePixels();
  return frames_[static_cast<std::size_t>(frame)].pixels;
}

const Pixmap& ImageImpl::FramePixels(int frame) {
  read_back_ = true;
  RestorePixels();
  return *frames_[static_cast<std::size_t>(frame)].pixels;
}

void ImageImpl::SetFramePixels(int frame, PixmapRef pixels) {
  auto& f = frames_[static_cast<std::size_t>(frame)];
  f.pixels = std::move(pixels);
  f.dirty = true;
}

void ImageImpl::RestorePixels() {
  const bool missing = std::any_of(frames_.begin(), frames_.end(), [](const Frame& f) { return !f.pixels; });
  if (!missing) return;
  auto frames = source_ ? CutFrames(DecodeFile(source_->path), *source_, Frames()) : std::vector<PixmapRef>{};
  if (frames.size() != frames_.size() || frames.front()->Width() != width_ ||
      frames.front()->Height() != height_) {
    std::cerr << "Image \"" << (source_ ? source_->path : std::string()) << "\" cannot be read again; "
              << "it is shown transparent" << std::endl;
    frames.clear();
  }
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    auto& f = frames_[i];
    if (f.pixels) continue;
    // The same pixels as the texture made from them before: the frame stays as clean as it was.
    f.pixels = frames.empty() ? std::make_shared<Pixmap>(width_, height_) : std::move(frames[i]);
  }
}

void ImageImpl::DropUploadedPixels() {
  if (!source_ || read_back_) return;
  for (auto& f : frames_) {
    if (f.texture != nullptr && f.generation == GfxGeneration() && !f.dirty) f.pixels.reset();
  }
}

void ImageImpl::DropFilePixels() {
  if (!source_ || read_back_) return;
  for (auto& f : frames_) f.pixels.reset();
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
  if (f.dirty && !f.pixels) RestorePixels();
  if (f.texture == nullptr) {
    TextureChanging();
    f.texture = MakeTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width_, height_,
                            source_ ? "a frame of " + source_->path : std::string("an image made in memory"));
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
    DropUploadedPixels();
  }
  return f.texture;
}

ImageImpl* Impl(const ImageRef& image) { return dynamic_cast<ImageImpl*>(image.get()); }

void AddImagePictures(std::unordered_set<const void*>* held) {
  for (const ImageImpl* image : LiveImages()) {
    for (int i = 0; i < image->Frames(); ++i) {
      if (image->HasTexture(i)) held->insert(image->FrameTexture(i));
    }
  }
}

ImageMemory HeldByImages() {
  ImageMemory held;
  for (const ImageImpl* image : LiveImages()) {
    ++held.images;
    const long long frame_bytes = static_cast<long long>(image->Width()) * image->Height() * 4;
    for (int i = 0; i < image->Frames(); ++i) {
      ++held.frames;
      if (image->HoldsPixels(i)) {
        ++held.frames_with_pixels;
        held.pixel_bytes += frame_bytes;
      }
      if (image->HasTexture(i)) held.texture_bytes += frame_bytes;
    }
  }
  return held;
}

std::vector<std::string> LargestHolders(std::size_t count, bool textures) {
  std::vector<std::pair<long long, std::string>> holders;
  for (const ImageImpl* image : LiveImages()) {
    long long bytes = 0;
    for (int i = 0; i < image->Frames(); ++i) {
      if (textures ? image->HasTexture(i) : image->HoldsPixels(i)) {
        bytes += static_cast<long long>(image->Width()) * image->Height() * 4;
      }
    }
    if (bytes == 0) continue;
    std::string name = image->Source() != nullptr ? image->Source()->path : std::string("(made in memory)");
    if (image->Source() != nullptr && image->ReadBack()) name += " (read back)";
    holders.emplace_back(bytes, name + " " + std::to_string(image->Width()) + "x" +
                                    std::to_string(image->Height()) + "x" + std::to_string(image->Frames()));
  }
  std::sort(holders.begin(), holders.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < holders.size() && i < count; ++i) {
    lines.push_back(holders[i].second + ": " + std::to_string(holders[i].first));
  }
  return lines;
}

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

ImageRef LoadImage(const std::string& path, int flags, std::string* refused) {
  flags = ResolveFlags(flags);
  return ImageFromFile(DecodeFile(path, refused), SourceFor(path, flags), 1, flags);
}

ImageRef LoadImageFromMemory(const std::vector<unsigned char>& bytes, int flags) {
  std::string error;
  auto decoded = detail::DecodeImage(bytes, &error);
  if (!decoded.pixmap) return nullptr;
  flags = ResolveFlags(flags);
  if ((flags & IMAGE_MASKED) != 0 && !decoded.has_alpha) ApplyMask(*decoded.pixmap, MaskKey());
  return ImageFromPixels(*decoded.pixmap, flags);
}

ImageRef LoadAnimImage(const std::string& path, int cell_w, int cell_h, int first, int count,
                       int flags, std::string* refused) {
  auto decoded = DecodeFile(path, refused);
  if (!decoded.pixmap || cell_w <= 0 || cell_h <= 0 || first < 0 || count <= 0) return nullptr;
  flags = ResolveFlags(flags);
  auto source = SourceFor(path, flags);
  source.cell_w = cell_w;
  source.cell_h = cell_h;
  source.first = first;
  auto image = ImageFromFile(std::move(decoded), std::move(source), count, flags);
  if (!image) {
    std::cerr << "Image \"" << path << "\" holds fewer than " << first + count << " cells of "
              << cell_w << "x" << cell_h << std::endl;
  }
  return image;
}

ImageRef CreateImage(int width, int height, int frames, int flags) {
  if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
  return NewImage(width, height, frames, ResolveFlags(flags));
}

ImageRef LoadImageFromPixmap(const PixmapRef& pixmap, int flags) {
  if (!pixmap || pixmap->Width() <= 0 || pixmap->Height() <= 0) return nullptr;
  return ImageFromPixels(*pixmap, ResolveFlags(flags));
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

void ReleaseUndrawnPixels() {
  for (detail::ImageImpl* image : LiveImages()) image->DropFilePixels();
#ifdef __GLIBC__
  // The allocator keeps freed pages between those still in use; hand them back to the system.
  malloc_trim(0);
#endif
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
