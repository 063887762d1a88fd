#include "util/image.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/system.h"
#include "util/error.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/types.h"

namespace {

int Clamp255(double v) {
  if (!(v > 0)) return 0;
  if (v > 255) return 255;
  return static_cast<int>(v);
}

// Cuts a copy rectangle to both pixmaps, moving negative starts in along with the other side.
// False when nothing is left to copy.
bool ClipCopy(const platform::Pixmap& source, int& sx, int& sy, int& w, int& h,
              const platform::Pixmap& target, int& tx, int& ty) {
  if (sx < 0) { w += sx; tx -= sx; sx = 0; }
  if (sy < 0) { h += sy; ty -= sy; sy = 0; }
  if (tx < 0) { w += tx; sx -= tx; tx = 0; }
  if (ty < 0) { h += ty; sy -= ty; ty = 0; }
  if (sx >= source.Width() || sy >= source.Height() || tx >= target.Width() || ty >= target.Height())
    return false;
  if (sx + w > source.Width()) w = source.Width() - sx;
  if (sy + h > source.Height()) h = source.Height() - sy;
  if (tx + w > target.Width()) w = target.Width() - tx;
  if (ty + h > target.Height()) h = target.Height() - ty;
  return w > 0 && h > 0;
}

}  // namespace

int ARGB_Alpha(std::uint32_t argb) { return static_cast<int>((argb >> 24) & 255u); }
int ARGB_Red(std::uint32_t argb) { return static_cast<int>((argb >> 16) & 255u); }
int ARGB_Green(std::uint32_t argb) { return static_cast<int>((argb >> 8) & 255u); }
int ARGB_Blue(std::uint32_t argb) { return static_cast<int>(argb & 255u); }

std::uint32_t ARGB_Color(int alpha, int red, int green, int blue) {
  return static_cast<std::uint32_t>(alpha) * 16777216u + static_cast<std::uint32_t>(red) * 65536u +
         static_cast<std::uint32_t>(green) * 256u + static_cast<std::uint32_t>(blue);
}

int ccDrawImage(const platform::ImageRef& image, float x, float y, ccDropShadow* shadow) {
  if (!image) return 0;
  if (shadow != nullptr) {
    shadow->Apply();
    platform::DrawImage(image, x + shadow->ShadowX(), y + shadow->ShadowY(), 0);
    shadow->Restore();
  }
  platform::DrawImage(image, x, y, 0);
  return 0;
}

int ccDrawImageCentred(const platform::ImageRef& image, ccDropShadow* shadow) {
  if (!image) return 0;
  return ccDrawImage(image, static_cast<float>((ScreenWidth - image->Width()) / 2),
                     static_cast<float>((ScreenHeight - image->Height()) / 2), shadow);
}

int ccDrawImageLight(const platform::ImageRef& image, float x, float y, float glow, float red,
                     float green, float blue, int frame) {
  platform::SetBlend(platform::BLEND_LIGHT);
  platform::SetColor(static_cast<int>(glow * 255 * red), static_cast<int>(glow * 255 * green),
                     static_cast<int>(glow * 255 * blue));
  if (image) platform::DrawImage(image, x, y, frame);
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(255, 255, 255);
  return 0;
}

int ccDrawImageArea(const platform::ImageRef& image, float x, float y, float sx, float sy, float sw,
                    float sh, int frame) {
  if (!image) return 0;
  const float width = static_cast<float>(image->Width());
  const float height = static_cast<float>(image->Height());
  float quad_w = sw, quad_h = sh;
  if (sx + sw > width) quad_w -= sx + sw - width;
  if (sy + sh > height) quad_h -= sy + sh - height;
  if (quad_w <= 0 || quad_h <= 0) return 0;
  platform::DrawSubImageRect(image, x, y, quad_w, quad_h, sx, sy, quad_w, quad_h, frame);
  return 0;
}

int ccDrawImageRect(const platform::ImageRef& image, float x, float y, int sx, int sy, int width,
                    int height) {
  if (!image) return 0;
  platform::PixmapRef pixels = image->LockFrame(0);
  if (!pixels) return 0;
  platform::PixmapRef window = pixels->Window(sx, sy, width, height);
  image->UnlockFrame(0);
  if (!window || window->Width() <= 0 || window->Height() <= 0) return 0;
  platform::ImageRef part = platform::LoadImageFromPixmap(window);
  if (part) platform::DrawImage(part, x, y, 0);
  return 0;
}

int ccClipImageToViewport(const platform::ImageRef& image, float x, float y, float vx, float vy,
                          float vw, float vh, int off_x, int off_y) {
  if (!image) return 0;
  const float w = static_cast<float>(image->Width());
  const float h = static_cast<float>(image->Height());
  if (!(x + w >= vx && x - w < vx + vw && y + h >= vy && y - h < vy + vh)) return 0;
  const float left = std::max(vx - x, 0.0f);
  const float top = std::max(vy - y, 0.0f);
  const float right = std::max(x + w - vx - vw, 0.0f);
  const float bottom = std::max(y + h - vy - vh, 0.0f);
  const float part_w = w - left - right;
  const float part_h = h - top - bottom;
  // An image just past the right or bottom edge passes the test above but has nothing inside.
  if (part_w <= 0 || part_h <= 0) return 0;
  return ccDrawImageArea(image, x + left + static_cast<float>(off_x), y + top + static_cast<float>(off_y),
                         left, top, part_w, part_h, 0);
}

int ccCopyRect(const platform::ImageRef& image, int x, int y, int width, int height, int frame) {
  platform::SetViewport(x, y, width, height);
  if (image) platform::DrawImage(image, static_cast<float>(x), static_cast<float>(y), frame);
  platform::SetViewport(0, 0, ScreenWidth, ScreenHeight);
  return 0;
}

int ccCopyImageRect(const platform::ImageRef& source, int x, int y, int width, int height,
                    const platform::ImageRef& target, int tx, int ty) {
  if (!source || !target) return 0;
  platform::PixmapRef from = source->LockFrame(0);
  platform::PixmapRef to = target->LockFrame(0);
  if (from && to && ClipCopy(*from, x, y, width, height, *to, tx, ty)) {
    for (int row = 0; row < height; ++row) {
      std::memmove(to->Pixels() + static_cast<std::size_t>(ty + row) * static_cast<std::size_t>(to->Width()) + tx,
                   from->Pixels() + static_cast<std::size_t>(y + row) * static_cast<std::size_t>(from->Width()) + x,
                   static_cast<std::size_t>(width) * 4);
    }
  }
  source->UnlockFrame(0);
  target->UnlockFrame(0);
  return 0;
}

int ccCopyImageToImage(const platform::ImageRef& source, int x, int y, int width, int height,
                       const platform::ImageRef& target, int tx, int ty, int flip) {
  if (!source || !target) return 0;
  platform::PixmapRef from = source->LockFrame(0);
  platform::PixmapRef to = target->LockFrame(0);
  if (from && to && flip >= 0 && flip <= 3 && ClipCopy(*from, x, y, width, height, *to, tx, ty)) {
    // Read everything first, so that a copy within one image mirrors correctly.
    std::vector<platform::Argb> block(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int j = 0; j < height; ++j) {
      for (int i = 0; i < width; ++i) block[static_cast<std::size_t>(j * width + i)] = from->ReadPixel(x + i, y + j);
    }
    for (int j = 0; j < height; ++j) {
      for (int i = 0; i < width; ++i) {
        const int si = (flip & 1) != 0 ? width - 1 - i : i;
        const int sj = (flip & 2) != 0 ? height - 1 - j : j;
        to->WritePixel(tx + i, ty + j, block[static_cast<std::size_t>(sj * width + si)]);
      }
    }
  }
  source->UnlockFrame(0);
  target->UnlockFrame(0);
  return 0;
}

int ccDrawOnPixmap(const platform::ImageRef& image, int frame, platform::Pixmap& pixmap, int x, int y,
                   float alpha_scale, float brightness) {
  if (!image) throw ccFatalError("image doesnt exist");
  platform::PixmapRef source = image->LockFrame(frame);
  if (!source) return 0;
  for (int i = 0; i < source->Width(); ++i) {
    const int px = x + i;
    if (px < 0 || px >= pixmap.Width()) continue;
    for (int j = 0; j < source->Height(); ++j) {
      const int py = y + j;
      if (py < 0 || py >= pixmap.Height()) continue;
      const platform::Argb s = source->ReadPixel(i, j);
      const platform::Argb d = pixmap.ReadPixel(px, py);
      const double sa = ARGB_Alpha(s) * static_cast<double>(alpha_scale);
      if (sa == 0) continue;
      const double da = sa == 255.0 ? 0.0 : ARGB_Alpha(d);
      const int ta = static_cast<int>(da + sa);
      // A faint source over a transparent pixel sums to less than one: nothing to write, and no
      // division by zero.
      if (ta <= 0) continue;
      auto mix = [&](int src, int dst) {
        return src * static_cast<double>(brightness) * sa / ta + (da / ta) * (dst * da / ta);
      };
      const double red = mix(ARGB_Red(s), ARGB_Red(d));
      const double green = mix(ARGB_Green(s), ARGB_Green(d));
      const double blue = mix(ARGB_Blue(s), ARGB_Blue(d));
      pixmap.WritePixel(px, py, ARGB_Color(std::min(ta, 255), Clamp255(red), Clamp255(green), Clamp255(blue)));
    }
  }
  image->UnlockFrame(frame);
  return 0;
}

int ccDrawRect(float x, float y, float width, float height, ccDropShadow* shadow) {
  if (shadow != nullptr) {
    int r = 255, g = 255, b = 255;
    platform::GetColor(&r, &g, &b);
    shadow->Apply();
    platform::DrawRect(x + shadow->ShadowX(), y + shadow->ShadowY(), width, height);
    platform::SetAlpha(1.0f);
    platform::SetColor(r, g, b);
  }
  platform::DrawRect(x, y, width, height);
  return 0;
}

int ccDrawRectOutline(int x, int y, int width, int height) {
  const float l = static_cast<float>(x), t = static_cast<float>(y);
  const float r = static_cast<float>(x + width - 1), b = static_cast<float>(y + height - 1);
  platform::DrawLine(l, t, r, t, false);
  platform::DrawLine(r, t, r, b, false);
  platform::DrawLine(r, b, l, b, false);
  platform::DrawLine(l, b, l, t, false);
  return 0;
}

int ccDimArea(float alpha, int x, int y, int width, int height) {
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(0, 0, 0);
  platform::SetAlpha(alpha);
  platform::DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                     static_cast<float>(height));
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  return 0;
}

int ccDimScreen(float alpha) { return ccDimArea(alpha, 0, 0, ScreenWidth, ScreenHeight); }

int ccFadeScreen(int length, int out, const platform::ChannelRef& channel) {
  platform::ImageRef snapshot = platform::CreateImage(ScreenWidth, ScreenHeight, 1);
  if (!snapshot) return 0;
  platform::GrabImage(snapshot, 0, 0, 0);
  snapshot->SetHandle(0, 0);
  // The channel fades from (or to) the volume it has when the fade starts.
  const float full_volume = channel ? channel->Volume() : 1.0f;
  auto draw = [&](float alpha) {
    platform::Cls();
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(alpha);
    platform::DrawImage(snapshot, 0, 0, 0);
    platform::SetAlpha(1.0f);
    if (channel) channel->SetVolume(alpha * full_volume);
    ccFlip();
  };
  // Input that was waiting before the fade must not cut it short.
  ccFlushAll();
  const std::int64_t start = platform::Millisecs();
  std::int64_t elapsed = 0;
  while (elapsed <= length) {
    if (ccQuitRequested() != 0 || ccMouseButtons() != 0 || ccAnyKeyPressed() != 0) {
      ccFlushAll();
      break;
    }
    elapsed = platform::Millisecs() - start;
    const float ratio = length > 0 ? std::clamp(static_cast<float>(elapsed) / static_cast<float>(length), 0.0f, 1.0f)
                                   : 1.0f;
    draw(out != 0 ? 1.0f - ratio : ratio);
    // A short rest per pass; on the headless manual clock it is what moves time on.
    platform::Delay(1);
    if (ccModalLoopHook) ccModalLoopHook();
  }
  draw(out != 0 ? 0.0f : 1.0f);
  ccRestoreSolidMode();
  return 0;
}

int ccCls(int red, int green, int blue) {
  ccClsNoFlip(red, green, blue);
  return ccFlip();
}

int ccClsNoFlip(int red, int green, int blue) {
  platform::SetClsColor(red, green, blue);
  platform::Cls();
  return 0;
}

int ccClsVSync(int red, int green, int blue) {
  ccClsNoFlip(red, green, blue);
  platform::Flip(1);
  return 0;
}

int ccFlip() {
  platform::Flip(ccFlipSync);
  return 0;
}

int ccVWait() { return 0; }

int ccMidhandle(const platform::ImageRef& image, int on) {
  if (!image) return 0;
  if (on != 0) {
    image->MidHandle();
  } else {
    image->SetHandle(0, 0);
  }
  return 0;
}

int ccRestoreSolidMode() {
  platform::SetBlend(platform::BLEND_SOLID);
  platform::SetAlpha(1.0f);
  platform::SetColor(255, 255, 255);
  return 0;
}

int ccCreateFrames(const platform::ImageRef& image) {
  if (!image) return 0;
  for (int frame = 0; frame < image->Frames(); ++frame) image->Precache(frame);
  return 0;
}

int ccImageRectCollide(const platform::ImageRef& image, float x, float y, int frame, float rx,
                       float ry, float rw, float rh) {
  if (!image) return 0;
  int tag = 0;
  platform::ResetCollisions();
  platform::CollideImage(image, static_cast<int>(x), static_cast<int>(y), frame, 0, 1, &tag);
  const std::vector<void*> hits = platform::CollideRect(static_cast<int>(rx), static_cast<int>(ry),
                                                        static_cast<int>(rw), static_cast<int>(rh), 1, 0, nullptr);
  return hits.empty() ? 0 : 1;
}

platform::ImageRef ccLoadBitmap(const std::string& path, int flags) {
  std::string refused;
  platform::ImageRef image = platform::LoadImage(path, flags, &refused);
  if (!image) {
    const std::string message =
        refused.empty() ? "Error loading bitmap " + ccDataFileName(path)
                        : ccDamagedDataFile(path, refused);
    ccRunTimeError(message, 1);
    throw ccFatalError(message);
  }
  return image;
}

platform::ImageRef ccLoadAnimBitmap(const std::string& path, int cell_width, int cell_height,
                                    int first, int count, int flags) {
  std::string refused;
  platform::ImageRef image =
      platform::LoadAnimImage(path, cell_width, cell_height, first, count, flags, &refused);
  if (!image) {
    const std::string message =
        refused.empty() ? "Error loading anim bitmap " + ccDataFileName(path)
                        : ccDamagedDataFile(path, refused);
    ccRunTimeError(message, 1);
    throw ccFatalError(message);
  }
  return image;
}
