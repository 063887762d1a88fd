// Fuzz target: The settings file: its lines read into the registered entries (and written back), and the single-line look-ups.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "util/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string path = quill_fuzz::WriteInput(data, size, "settings.ini");
  quill_fuzz::Survive([&] {
    TIniFile ini;
    ini.FileName = quill_fuzz::Scratch() + "settings";
    for (const char* key : {"Full Screen", "Sound", "Sound Volume", "Driver", "Profile Name", "Region"}) {
      ini.Add(key, "1");
    }
    ini.Load();
  });
  quill_fuzz::WriteInput(data, size, "settings.ini");
  quill_fuzz::Survive([&] {
    ccReadIniLine(path, "PROFILE NAME");
    ccWriteIniLine(path, quill_fuzz::Scratch() + "copy.ini", "SOUND", "0");
  });
  return 0;
}
