#pragma once
// Reader of the picture manifest, data/manifest/images.txt. One picture per line:
//
//   path | WxH | cells | loaded by
//
// path is below the data folder ("graphics/cards/irons.png"); cells is "-" for a single picture or
// "CWxCH*N" for a strip of N cells laid out row by row; "loaded by" says which part of the game
// opens the file. Blank lines and lines starting with "#" are comments.

#include <string>
#include <vector>

#include "tools/art/registry.h"

namespace art {

bool ReadImageManifest(const std::string& file, std::vector<PictureFile>& out, std::string& error);

}  // namespace art
