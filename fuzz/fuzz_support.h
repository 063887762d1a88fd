#pragma once
// Shared set-up of the fuzz targets. Each target is one file, <name>_fuzz.cpp:
//
//   #include "fuzz/fuzz_support.h"
//   extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
//     quill_fuzz::Init();
//     const std::string path = quill_fuzz::WriteInput(data, size, "best.dat");
//     quill_fuzz::Survive([&] { /* read `path` the way the game does */ });
//     return 0;
//   }
//
// A reader may refuse its input through the game's fatal path (ccRunTimeError throws ccFatalError);
// that is a clean refusal. Anything else (a crash, a sanitizer report, another exception, a hang)
// is a finding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quill_fuzz {

// Once per process: the platform headless (no window, no audio device, manual clock), fatal errors
// neither logged to a file nor shown in a box, alerts silenced, and a fresh scratch folder.
void Init();
// The scratch folder, ending in "/".
const std::string& Scratch();
// Writes the input to Scratch() + name (folders made as needed) and returns that path.
std::string WriteInput(const std::uint8_t* data, std::size_t size, const std::string& name);
// The input as bytes.
std::vector<unsigned char> Bytes(const std::uint8_t* data, std::size_t size);
// A folder holding "Data/levels/" with a copy of the committed course list, courses and holes
// (made once), ending in "/": readers that follow names from one level file to the next find the
// real files beside the fuzzed one.
const std::string& LevelsPrefix();
// A folder like LevelsPrefix's in which every hole file of the committed levels holds one card and
// par 0 under its own name: the course file reader opens the holes its lines name, but the holes
// themselves are the hole file target's. A course file of these holes is sound with par 0.
const std::string& TinyHolesPrefix();
// Calls `call(context)`, treating the game's own refusal (ccFatalError) as a normal outcome.
void SwallowFatal(void (*call)(void*), void* context);

// Runs `read` the same way.
template <class F>
void Survive(F&& read) {
  SwallowFatal([](void* f) { (*static_cast<F*>(f))(); }, &read);
}

}  // namespace quill_fuzz
