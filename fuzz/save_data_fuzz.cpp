// Fuzz target: The saved game block of a profile: its three masked sections, the career statistics
// block, the course name and the card records of the hole in progress.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "platform/files.h"
#include "progress/save_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  quill_fuzz::Survive([&] {
    platform::InStream in(quill_fuzz::Bytes(data, size));
    TSaveData saved;
    saved.Load(in);
  });
  return 0;
}
