// Fuzz target: Bitmap font descriptors (".fnt"): the glyph table and the measuring that indexes it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include <vector>

#include "gfx/bitmap_font.h"
#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  quill_fuzz::Survive([&] {
    // Split into lines exactly as TBitmapFont::Create does.
    platform::InStream stream(quill_fuzz::Bytes(data, size));
    std::vector<std::string> lines;
    while (!stream.Eof()) lines.push_back(stream.ReadLine());
    // The check the loader makes first, against a page of the size the descriptor states and
    // against a page of another size.
    TBitmapFont font;
    font.ParseDescriptor(lines);
    TBitmapFont::CheckDescriptor(lines, static_cast<int>(font.TextureW), static_cast<int>(font.TextureH));
    TBitmapFont::CheckDescriptor(lines, 64, 32);
    font.StringWidth("Hello \xE2\x82\xAC\xC2\xA5 \x01\x7F\xC3\xBF");
    font.StringHeight("ABCXYZ");
    font.TruncateString("Quillbrook", 20);
  });
  return 0;
}
