// A program that loses pictures on purpose, for the test of the leak checker's suppressions
// (leak_check_test.cpp): it starts SDL as the game does (a window of the video driver it is given,
// the event system, the audio output), draws, closes all of it, and loses on its way a surface made
// as the drawing layer makes its own, a texture with the renderer it was made on, and a plain
// block. Built with the sanitizers, its report at exit names the surface and the block, and nothing
// that SDL or the system keep for themselves.
#include <SDL.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/leak_check.h"

namespace {

// Each loss by a function of its own, so the report's stacks name it.
[[gnu::noinline]] void LoseSurfaceOnPurpose() {
  platform::detail::MakeSurface(256, 256, SDL_PIXELFORMAT_ARGB8888, "a surface lost on purpose");
}

// A texture of the game's renderer is freed when the renderer closes (the count of the pictures
// alive finds those); this one is made as the drawing layer makes its own, on a renderer of its
// own, and lost with it. The leak checker passes over it: it is held by the renderer, a block SDL
// keeps for itself.
[[gnu::noinline]] void LoseTextureOnPurpose() {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* renderer = target != nullptr ? SDL_CreateSoftwareRenderer(target) : nullptr;
  SDL_Texture* texture = renderer != nullptr ? platform::detail::MakeTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                                               SDL_TEXTUREACCESS_STATIC, 128, 128,
                                                                               "a texture lost on purpose")
                                             : nullptr;
  // Looked at once made, so the call is no tail call and this function stays in its stack.
  if (texture == nullptr) std::cerr << "No texture to lose: " << SDL_GetError() << std::endl;
}

[[gnu::noinline]] void LoseBlockOnPurpose() {
  auto* volatile block = static_cast<char*>(std::malloc(1000));
  if (block != nullptr) block[0] = 1;
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("ALSOFT_DRIVERS", "null", 0);
  std::string error;
  platform::GraphicsOptions options;
  options.vsync = false;
  if (!platform::GraphicsOpen(options, &error)) {
    std::cerr << error << std::endl;
    return 2;
  }
  platform::AudioOpen("OpenAL Generic Software", &error);
  auto image = platform::CreateImage(32, 32, 1, platform::IMAGE_DEFAULT_FLAGS);
  image->LockFrame(0)->Fill(0xFF336699u);
  image->UnlockFrame(0);
  platform::Cls();
  platform::DrawImage(image, 10, 10);
  platform::DrawText("Quillbrook", 10, 60);
  platform::Flip(0);

  LoseSurfaceOnPurpose();
  LoseTextureOnPurpose();
  LoseBlockOnPurpose();

  image = nullptr;
  platform::AudioClose();
  platform::GraphicsClose();
  return 0;
}
