#pragma once
// A contact sheet: every picture of the manifest found in the data folder, scaled into a grid with
// its name beneath, on one PNG, for looking over the whole set at once.

#include <string>
#include <vector>

#include "tools/art/registry.h"

namespace art {

bool WriteContactSheet(const std::vector<PictureFile>& pictures, const std::string& data_dir,
                       const std::string& out_png, int tile_w, std::string& error);

}  // namespace art
