// Fuzz target: Sounds through the platform decoders: Ogg Vorbis and WAV, told apart by signature,
// with the check of their size bounds (a WAV's decoded size from its chunk headers, an Ogg's as it
// decodes), and the same bytes as a streamed Ogg sound read through to its end the way a channel
// plays it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "platform/audio.h"
#include "platform/audio_internal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string path = quill_fuzz::WriteInput(data, size, "sound.bin");
  std::string refused;
  platform::LoadSound(path, 0, &refused);
  const std::size_t stream_above = platform::detail::StreamAbove();
  platform::detail::SetStreamAbove(0);
  platform::detail::ReadStreamOnce(platform::LoadSound(path, 0));
  platform::detail::SetStreamAbove(stream_above);
  return 0;
}
