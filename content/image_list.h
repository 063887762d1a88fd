#pragma once
// The shared images: the mouse pointer, the bank images (card sheets, HUD and scorecard digit
// strips, particles, signs) and the ten bitmap fonts.

#include <string>
#include <vector>

struct TImageListEntry {
  enum Kind {
    TOP_LEFT,        // still image, handle at the top-left corner
    CENTRED,         // still image, handle at its centre
    STRIP,           // cells of CellWidth x CellHeight, handle put back to the top-left corner
    DEFAULT_FLAGS,   // not an image: sets the drawing layer's default image flags to Flags
    FONTS,           // not an image: the ten bitmap fonts (GameFontList) are made here
  };
  Kind What = TOP_LEFT;
  std::string File;  // relative to the image folder, without extension (".png" is added)
  std::string Name;  // explicit bank name, "" to name it after the file
  int CellWidth = 0;
  int CellHeight = 0;
  int Frames = 0;
  int Flags = -1;    // -1: the drawing layer's current default flags
  int BarSteps = 1;  // loading-bar steps after the image
};

struct TFontListEntry {
  std::string File;  // in "Data/fonts/": page File + ".png", descriptor File + ".fnt"
  int Flags = -1;
  double CharGap = 0;
};

// The bank images in loading order, with the place of the fonts and the two changes of the
// default flags between them.
const std::vector<TImageListEntry>& GameImageList();
// The ten fonts in loading order (HintHeaderFont ... StatsFont).
const std::vector<TFontListEntry>& GameFontList();

// Loads the pointer, the bank images and the fonts, one loading-bar step after each (two after
// each 52-card sheet): 85 steps. Prints "BitmapFonts: " and the fonts' video memory in kilobytes.
// Returns 0; an image that cannot be loaded is fatal.
int LoadImages();
