// Fuzz target: Section files read straight from a stream, a section of lines and a one-line section in turn.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "platform/files.h"
#include "util/section_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  quill_fuzz::Survive([&] {
    platform::InStream stream(quill_fuzz::Bytes(data, size));
    std::string header = stream.ReadLine();
    for (int i = 0; i < 64 && !stream.Eof(); ++i) {
      if (i % 2 == 0) {
        ccLoadSectionArrayFromFile(stream, header);
      } else {
        ccLoadSectionStringFromFile(stream, header);
      }
      ccTestSectionHeader("TEXT", header, "fuzz input");
    }
  });
  return 0;
}
