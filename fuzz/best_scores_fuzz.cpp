// Fuzz target: The best scores file "best.dat": whole records kept, a damaged file set aside and
// rewritten, courses without entries filled, then a score entered and the table saved.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_support.h"

#include "core/game.h"
#include "core/globals.h"
#include "progress/best_score_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  quill_fuzz::Survive([&] {
    if (!Game) Game = std::make_shared<TGame>();
    Game->SubPath = quill_fuzz::Scratch() + "best/";
    Game->MaxLevels = 4;
    // A damaged file is set aside under a free name: a folder that kept every earlier input's
    // copy would make each search for a free name longer than the last.
    std::error_code ignored;
    std::filesystem::remove_all(Game->SubPath, ignored);
    quill_fuzz::WriteInput(data, size, "best/best.dat");
    TBestScoreList table;
    table.Load();
    table.Insert("Fuzz", -3, 2, 1);
    table.Save();
  });
  return 0;
}
