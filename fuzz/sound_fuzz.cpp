// Fuzz target: Sounds through the platform decoders: Ogg Vorbis and WAV, told apart by signature.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "platform/audio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string path = quill_fuzz::WriteInput(data, size, "sound.bin");
  platform::LoadSound(path, 0);
  return 0;
}
