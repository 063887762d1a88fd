// Fuzz target: The high-score table file: masked names, scores and levels.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "util/high_scores.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  quill_fuzz::WriteInput(data, size, "scores.dat");
  quill_fuzz::Survive([&] {
    THighScoreList table;
    table.Create(quill_fuzz::Scratch() + "scores", 10);
    table.Load();
    table.Insert("Fuzz", 100, 1);
  });
  return 0;
}
