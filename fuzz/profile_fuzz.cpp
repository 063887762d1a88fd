// Fuzz target: Player profiles: the head block, the hint flags and the game's saved block behind them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include <memory>

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "progress/save_data.h"
#include "ui/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  if (!Game) Game = std::make_shared<TGame>();
  Game->ProfilePath = quill_fuzz::Scratch() + "profiles/";
  quill_fuzz::WriteInput(data, size, "profiles/Fuzz.dat");
  quill_fuzz::Survive([&] {
    auto profile = TProfile::Create("Fuzz");
    // The game's saved block follows the head, as the progress hooks read it, and a refusal names
    // what was found in the profile's message.
    TProfile* self = profile.get();
    profile->LoadUserFunction = [self](platform::InStream& in) {
      TSaveData saved;
      const int result = saved.Load(in);
      if (result < 0) self->LoadUserFault = saved.LoadError;
      return result;
    };
    profile->Load();
  });
  // A damaged file is put aside under a new name each time: keep the folder small.
  for (const std::string& name : platform::ListFolder(Game->ProfilePath)) {
    platform::DeleteFile(Game->ProfilePath + name);
  }
  return 0;
}
