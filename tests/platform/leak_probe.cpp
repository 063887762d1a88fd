// A program that loses blocks on purpose, for the test of the leak checker (leak_check_test.cpp):
// it starts SDL as the game does (a window of the video driver it is given, the event system, the
// audio output), draws, closes all of it, and loses on its way, each in a function of its own: a
// surface made as the drawing layer makes its own, a texture with the renderer it was made on, a
// sound decoded by SDL as the audio layer decodes a WAV file, a stream of SDL's, an image and a
// sound whose only owner is lost, and a plain block. Built with the sanitizers, its report at exit
// names each of them with that function in its stack, and nothing that SDL or the system keep for
// themselves.
#include <SDL.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

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
// own, and lost with the renderer and the surface it draws into.
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

// A WAV file of 16-bit mono samples, silent: `frames` of them at 22050 Hz.
std::vector<unsigned char> SilentWav(std::uint32_t frames) {
  std::vector<unsigned char> bytes;
  const auto text = [&bytes](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
  const auto number = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  const std::uint32_t data = frames * 2;
  text("RIFF");
  number(36 + data, 4);
  text("WAVE");
  text("fmt ");
  number(16, 4);
  number(1, 2);          // PCM
  number(1, 2);          // mono
  number(22050, 4);      // frames a second
  number(22050 * 2, 4);  // bytes a second
  number(2, 2);          // bytes a frame
  number(16, 2);         // bits a sample
  text("data");
  number(data, 4);
  bytes.resize(bytes.size() + data, 0);
  return bytes;
}

// The samples SDL decodes, lost as the audio layer would lose them without SDL_FreeWAV: 3000
// frames, 6000 bytes.
[[gnu::noinline]] void LoseSoundOnPurpose() {
  const std::vector<unsigned char> wav = SilentWav(3000);
  SDL_AudioSpec format;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1, &format,
                     &samples, &length) == nullptr)
    std::cerr << "No sound to lose: " << SDL_GetError() << std::endl;
}

// A stream of SDL's over bytes in memory, never closed.
[[gnu::noinline]] void LoseStreamOnPurpose() {
  static const char kBytes[] = "Quillbrook";
  SDL_RWops* stream = SDL_RWFromConstMem(kBytes, sizeof kBytes);
  if (stream == nullptr) std::cerr << "No stream to lose: " << SDL_GetError() << std::endl;
}

// An image whose one owner is lost: the image and its pixels (96 x 96, 36864 bytes) go with it.
[[gnu::noinline]] void LoseImageOwnerOnPurpose() {
  auto* volatile owner = new platform::ImageRef(platform::CreateImage(96, 96));
  if (*owner == nullptr) std::cerr << "No image to lose" << std::endl;
}

// A sound whose one owner is lost: the sound and its file's path (a path of kSoundPathLength
// characters, held by the sound) go with it.
constexpr std::size_t kSoundPathLength = 280;
[[gnu::noinline]] void LoseSoundOwnerOnPurpose() {
  char folder[] = "/tmp/quillbrook-leak-probe-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    std::cerr << "No folder for a sound to lose" << std::endl;
    return;
  }
  std::string path = std::string(folder) + "/";
  path += std::string(kSoundPathLength - path.size() - 4, 's') + ".wav";
  const std::vector<unsigned char> wav = SilentWav(100);
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(wav.data(), 1, wav.size(), file);
    std::fclose(file);
  }
  auto* volatile owner = new platform::SoundRef(platform::LoadSound(path));
  if (*owner == nullptr) std::cerr << "No sound to lose" << std::endl;
  std::remove(path.c_str());
  ::rmdir(folder);
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
  LoseSoundOnPurpose();
  LoseStreamOnPurpose();
  LoseImageOwnerOnPurpose();
  LoseSoundOwnerOnPurpose();

  image = nullptr;
  platform::AudioClose();
  platform::GraphicsClose();
  return 0;
}
