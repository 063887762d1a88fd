// Fuzz target: Pictures through the platform decoders: PNG (libpng) and JPEG (libjpeg), told apart by signature.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "platform/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  std::string error;
  platform::detail::DecodeImage(quill_fuzz::Bytes(data, size), &error);
  return 0;
}
