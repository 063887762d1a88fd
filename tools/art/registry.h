#pragma once
// The picture generator's table of drawers: one function per data file, found by the file's path
// below the data folder. The manifest (data/manifest/images.txt) gives each file its size and cells;
// a drawer paints the whole picture (every cell of a strip) on a canvas of that size.

#include <functional>
#include <map>
#include <string>

#include "tools/art/canvas.h"

namespace art {

struct PictureFile {
  std::string path;  // below the data folder, e.g. "graphics/cards/irons.png"
  int w = 0, h = 0;  // picture size in pixels
  int cell_w = 0, cell_h = 0, frames = 1;  // strips: cell size and count (row by row)
};

using Drawer = std::function<void(Canvas&, const PictureFile&)>;
using Registry = std::map<std::string, Drawer>;

// Each picture family adds its drawers.
void AddCards(Registry& r);
void AddBackgrounds(Registry& r);
void AddHud(Registry& r);
void AddHudPlay(Registry& r);
void AddScreens(Registry& r);
void AddEffects(Registry& r);
void AddStories(Registry& r);
void AddShopRooms(Registry& r);
void AddOverlays(Registry& r);
void AddPlayScreen(Registry& r);
// The intro's slides and pieces, the ending's pictures and the newspaper page's.
void AddIntro(Registry& r);
void AddOutro(Registry& r);
void AddNewspaper(Registry& r);

// The course background of `type` ("beach" ... "scotland") and variant 1..4 on an 800 x 600
// canvas, for pictures that show a course.
void CourseScene(Canvas& c, const std::string& type, int variant);
void AddWildshots(Registry& r);
void AddMiniGames(Registry& r);
// The title page, options, credits and course selector (title_screens.cpp).
void AddTitleScreens(Registry& r);
// The avatar's layers and the trophies (avatar_art.cpp; the faces in avatar_heads.h).
void AddAvatar(Registry& r);
// Every look of both sexes, plain and with every item, composed from the layers in data_dir as the
// game draws them (quill_art --avatar-looks OUT.png --out DATA_DIR).
bool WriteAvatarLooks(const std::string& data_dir, const std::string& out_png, std::string& error);

// A labelled wooden board, for a picture whose drawer is not written yet.
void Placeholder(Canvas& c, const PictureFile& s);

// Runs fn once per cell with the origin moved to the cell's top-left corner.
void ForEachCell(Canvas& c, const PictureFile& s, const std::function<void(cairo_t*, int)>& fn);

}  // namespace art
