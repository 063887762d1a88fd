// Fuzz target: the hints file "hints.txt" (THintScroll::LoadTextData): decoding, numbered sections
// and the check that every hint the game asks for is there.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"

#include "core/game.h"
#include "core/globals.h"
#include "screens/hint_scroll.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  if (!Game) Game = std::make_shared<TGame>();
  Game->TextPath = quill_fuzz::Scratch();
  quill_fuzz::WriteInput(data, size, "hints.txt");
  quill_fuzz::Survive([&] {
    THintScroll scroll;
    scroll.LoadTextData();
    scroll.Hint = 3;
    scroll.SetText();
  });
  return 0;
}
