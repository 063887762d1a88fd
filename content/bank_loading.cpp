// Loading the shared sounds, images and fonts into the banks and globals, one loading-bar step at
// a time.

#include <cstdio>
#include <memory>

#include "content/globals.h"
#include "content/image_list.h"
#include "content/sound_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"

namespace {

using K = TImageListEntry;

// Bank name of an entry: the explicit name, else the file name without its folder.
std::string BankName(const TImageListEntry& entry) {
  if (!entry.Name.empty()) return entry.Name;
  const std::size_t slash = entry.File.find_last_of('/');
  return slash == std::string::npos ? entry.File : entry.File.substr(slash + 1);
}

// Makes the ten fonts into their globals, one bar step each, and reports their video memory.
void LoadFonts() {
  std::shared_ptr<TBitmapFont>* globals[] = {&HintHeaderFont, &LevelNameFont, &BallFont,
                                             &HintFont,       &WildshotFont,  &DialogFont,
                                             &CourseNameFont, &GoalTextFont,  &NewspaperFont,
                                             &StatsFont};
  long long vram = 0;
  const auto& fonts = GameFontList();
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    *globals[i] =
        TBitmapFont::Create(Game->DataPrefix + "Data/fonts/" + fonts[i].File, fonts[i].Flags);
    (*globals[i])->CharGap = fonts[i].CharGap;
    vram += (*globals[i])->CalcVRAM();
    Game->MoveBar();
  }
  // Making a bitmap font switches automatic centring off; the images loaded next expect it on.
  platform::SetAutoMidHandle(true);
  std::printf("BitmapFonts: %lld\n", vram / 1024);
  std::fflush(stdout);
}

}  // namespace

int LoadImages() {
  platform::SetMaskColor(0, 0, 0);

  Game->Mouse->offsetx = 2;
  Game->Mouse->offsety = 1;
  Game->Mouse->Load("pointer");
  Game->MoveBar();

  for (const TImageListEntry& entry : GameImageList()) {
    switch (entry.What) {
      case K::DEFAULT_FLAGS:
        platform::SetDefaultImageFlags(entry.Flags);
        break;
      case K::TOP_LEFT:
        images->LoadNoMid(entry.File, entry.Name, entry.Flags);
        break;
      case K::CENTRED:
        images->Load(entry.File, entry.Name, entry.Flags, 1);
        break;
      case K::FONTS:
        LoadFonts();
        break;
      case K::STRIP:
        images->LoadAnim(entry.File, entry.CellWidth, entry.CellHeight, 0, entry.Frames, entry.Flags, 1);
        images->Find(BankName(entry))->MidHandle(0);
        break;
    }
    for (int i = 0; i < entry.BarSteps; ++i) Game->MoveBar();
  }
  images->Find("small_padlock")->MidHandle(0);

  return 0;
}

int LoadSounds() {
  for (const TSoundListEntry& entry : GameSoundList()) {
    sounds->Load(entry.File, entry.Pitch, entry.Volume, entry.Name, entry.Flags);
    Game->MoveBar();
  }
  return 0;
}
