#include "tests/support/lost_picture.h"

#include "platform/graphics_internal.h"

namespace quill_test {

void* LoseTexture(int w, int h) {
  SDL_Renderer* renderer = platform::detail::GfxRenderer();
  if (renderer == nullptr) return nullptr;
  return platform::detail::MakeTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h,
                                       kLostPictureUse);
}

void FreeLostTexture(void* texture) { platform::detail::FreeTexture(static_cast<SDL_Texture*>(texture)); }

void ReleaseLostTextureOnly(void* texture) {
  platform::detail::TextureReleased(static_cast<SDL_Texture*>(texture));
}

bool TexturesCountUntilSdlFreesThem() { return platform::detail::TexturesCountUntilSdlFreesThem(); }

void* LoseSurface(int w, int h) {
  return platform::detail::MakeSurface(w, h, SDL_PIXELFORMAT_ARGB8888, kLostPictureUse);
}

void FreeLostSurface(void* surface) { platform::detail::FreeSurface(static_cast<SDL_Surface*>(surface)); }

}  // namespace quill_test
