#include "content/image_list.h"

#include <initializer_list>

namespace {

using K = TImageListEntry;

TImageListEntry Still(K::Kind kind, const char* file, const char* name = "") {
  TImageListEntry e;
  e.What = kind;
  e.File = file;
  e.Name = name;
  return e;
}

TImageListEntry Strip(const char* file, int w, int h, int frames, int flags = -1, int steps = 1) {
  TImageListEntry e;
  e.What = K::STRIP;
  e.File = file;
  e.CellWidth = w;
  e.CellHeight = h;
  e.Frames = frames;
  e.Flags = flags;
  e.BarSteps = steps;
  return e;
}

TImageListEntry DefaultFlags(int flags) {
  TImageListEntry e;
  e.What = K::DEFAULT_FLAGS;
  e.Flags = flags;
  e.BarSteps = 0;
  return e;
}

std::vector<TImageListEntry> MakeImageList() {
  std::vector<TImageListEntry> list;
  auto top_left = [&](std::initializer_list<const char*> files) {
    for (const char* f : files) list.push_back(Still(K::TOP_LEFT, f));
  };
  auto centred = [&](std::initializer_list<const char*> files) {
    for (const char* f : files) list.push_back(Still(K::CENTRED, f));
  };
  top_left({"pointer", "crosshair", "cards/card_back"});
  // The two card sheets are the largest images: each counts two steps of the bar.
  list.push_back(Strip("cards/52_cards_blue", 68, 102, 52, -1, 2));
  list.push_back(Strip("cards/52_cards_white", 68, 102, 52, -1, 2));
  list.push_back(Strip("cards/irons", 68, 102, 8));
  top_left({"cards/sand", "cards/water", "cards/wedge", "cards/wild_shot", "cards/cardblank",
            "cards/cardball", "cards/cardcash"});
  centred({"cards/spincard", "cards/spincard_blue", "cards/wildshotspincard", "cards/stockspincard"});
  top_left({"cards/glowingcard"});
  list.push_back(Strip("wildshots/anims/firstframes", 118, 172, 29));
  top_left({"wildshots/anims/gopherfirstframe", "wildshots/defaultwildshot"});
  list.push_back(Strip("fonts/hole_numbers_big", 24, 38, 13));
  list.push_back(Strip("fonts/hole_numbers_small", 23, 20, 2));
  // Filtered but not masked: its black pixels stay black.
  list.push_back(Strip("fonts/hole_marker_par_numbers", 24, 32, 15, 2));
  top_left({"fonts/score_sign_par"});
  list.push_back(Strip("fonts/score_sign_numbers_small", 14, 20, 17));
  top_left({"fonts/drive", "fonts/long_drive", "fonts/long_drive_glow"});
  list.push_back(Strip("fonts/long_drive_font", 30, 52, 10));
  list.push_back(Strip("fonts/long_drive_font_glow", 30, 52, 10));
  list.push_back(Strip("fonts/multiplier_font", 14, 20, 12));
  top_left({"fonts/5x", "fonts/7x", "fonts/5x_Multiplier_sign", "fonts/5x_Multiplier_sign_glow",
            "fonts/7x_Multiplier_sign", "fonts/7x_Multiplier_sign_glow"});
  list.push_back(Strip("fonts/digital_readout_font", 10, 20, 11));
  list.push_back(Strip("fonts/digital_readout_font_red", 10, 20, 11));
  list.push_back(Strip("fonts/green_par_font", 20, 20, 10));
  list.push_back(Strip("fonts/handwriting_gray", 20, 32, 19));
  list.push_back(Strip("fonts/handwriting_red", 20, 32, 12));
  top_left({"fonts/minutes", "fonts/seconds", "fonts/longest_drive", "fonts/longest_drive_end_bracket"});
  centred({"scorecard/goal", "scorecard/goal_complete", "gamescreen/pausedsmall"});
  TImageListEntry fonts;
  fonts.What = K::FONTS;
  fonts.BarSteps = 0;
  list.push_back(fonts);
  // Particle images, mip-mapped for their smooth scaling.
  list.push_back(DefaultFlags(7));
  list.push_back(Still(K::CENTRED, "particles/particlering"));
  list.push_back(Still(K::CENTRED, "particles/sparkle", "sparkle"));
  centred({"particles/sparkle1small", "particles/rounddroplet", "particles/spark_line",
           "particles/heart", "particles/diamond", "particles/club", "particles/spade",
           "particles/whack", "particles/stopwatch_small"});
  list.push_back(DefaultFlags(3));
  centred({"gamescreen/ball_glow", "particles/token", "particles/wedgeparticle",
           "particles/full_length_iron", "particles/iron_broken_handle", "particles/iron_broken_head",
           "particles/leaf", "particles/xraying", "gamescreen/longrun_ball_large",
           "gamescreen/longrun_ball_gray_large"});
  // The padlock is centred while it loads, then put back to its top-left corner.
  list.push_back(Still(K::CENTRED, "courseselector/small_padlock"));
  return list;
}

}  // namespace

const std::vector<TImageListEntry>& GameImageList() {
  static const std::vector<TImageListEntry> list = MakeImageList();
  return list;
}

const std::vector<TFontListEntry>& GameFontList() {
  static const std::vector<TFontListEntry> list = {
      {"Voodoo35", -1, 1.0},    {"Voodoo21", -1, 0},    {"ballfont", -1, 0},
      {"arialbold18", -1, 0},   {"arialbold21", 6, 0},  {"dialogfont30", -1, 0},
      {"Voodoo58", 6, 1.0},     {"Voodoo25", 6, 0},     {"Franklin50", 6, 0},
      {"arialbold25", 6, 0},
  };
  return list;
}
