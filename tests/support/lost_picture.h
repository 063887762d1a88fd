#pragma once
// Pictures lost on purpose, for the tests of the look for pictures that nothing holds: made through
// the drawing layer's own makers, as its pictures are, and then held by nothing.

namespace quill_test {

// The name the lost pictures are made for, as the look's reports give it.
inline constexpr const char* kLostPictureUse = "a picture lost on purpose";

// A w x h texture on the open renderer (nullptr when none is open). Free it with FreeLostTexture
// while that renderer is open; closing the renderer frees it too.
void* LoseTexture(int w, int h);
void FreeLostTexture(void* texture);
// Releases the texture as FreeLostTexture does, but leaves it in the renderer: its
// SDL_DestroyTexture never happens (destroy it with SDL, or close the renderer).
void ReleaseLostTextureOnly(void* texture);
// Whether a texture counts until SDL frees it (SDL took the count's memory functions) rather than
// until it is released (see platform/picture_count.h).
bool TexturesCountUntilSdlFreesThem();
// A w x h surface of 32-bit pixels; free it with FreeLostSurface.
void* LoseSurface(int w, int h);
void FreeLostSurface(void* surface);

}  // namespace quill_test
