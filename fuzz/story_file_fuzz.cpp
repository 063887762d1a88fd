// Fuzz target: the wild shot story file "wildshots.txt" decoded as the game reads it (byte-order
// mark, lines), then the story file reader, its weight rule and the story choice over what it read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "platform/files.h"
#include "platform/random.h"
#include "platform/text_encoding.h"
#include "util/files.h"
#include "util/word_wrap.h"
#include "wildshot/story_file.h"
#include "wildshot/story_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string path = quill_fuzz::WriteInput(data, size, "text/wildshots.txt");
  quill_fuzz::Survive([&] {
    const platform::BoundedRead read = platform::ReadBoundedFile(path, TEXT_FILE_MAX_BYTES);
    if (!read.Read()) return;
    TStoryFile file;
    if (!ReadStoryFile(ccSplitStringIntoLines(platform::DecodeText(read.bytes)), path, file).Ok())
      return;
    if (!CheckStoryWeights(file, path).Ok()) return;
    platform::Random rng(size);
    TPlaySnapshot play;
    play.AvatarItems[8] = static_cast<int>(size & 1);
    play.LastWildshotCard = static_cast<int>(size % 30);
    for (int i = 0; i < 4; ++i) ChooseStoryFrom(file, play, rng, i * 7);
  });
  return 0;
}
