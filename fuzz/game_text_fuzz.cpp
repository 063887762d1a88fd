// Fuzz target: The text table "gametext.txt": decoding (byte-order marks, UTF-16), sections and look-ups.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include <memory>

#include "core/game.h"
#include "core/globals.h"
#include "content/data_checks.h"
#include "gfx/game_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  if (!Game) Game = std::make_shared<TGame>();
  Game->TextPath = quill_fuzz::Scratch();
  quill_fuzz::WriteInput(data, size, "gametext.txt");
  quill_fuzz::Survive([&] {
    auto text = TGameText::Create("gametext.txt");
    text->FindString("MENU_PLAY");
    CheckGameTextKeys(*text, "gametext.txt");
  });
  return 0;
}
