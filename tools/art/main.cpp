// quill_art: draws the game's pictures into the data folder.
//
//   quill_art --manifest images.txt --out DIR [PATH...]   draw the named pictures (all when none)
//   quill_art --manifest images.txt --check               every manifest line has a drawer and back
//   quill_art --manifest images.txt --out DIR --contact-sheet FILE [--tile W] [PATH...]
//                                                         one PNG showing every listed picture in
//                                                         DIR, and the further PATHs below it
//
// The manifest gives each picture's path below the data folder, its size and its cells; the output
// depends only on the drawers and the manifest, so the same sources always give the same bytes.

#include <chrono>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/art/contact_sheet.h"
#include "tools/art/manifest.h"
#include "tools/art/registry.h"

namespace fs = std::filesystem;

namespace art {

void ForEachCell(Canvas& c, const PictureFile& s, const std::function<void(cairo_t*, int)>& fn) {
  const int cols = s.cell_w > 0 ? s.w / s.cell_w : 1;
  for (int i = 0; i < s.frames; ++i) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, (i % cols) * s.cell_w, (i / cols) * s.cell_h);
    cairo_rectangle(cr, 0, 0, s.cell_w, s.cell_h);
    cairo_clip(cr);
    fn(cr, i);
    cairo_restore(cr);
  }
}

void Placeholder(Canvas& c, const PictureFile& s) {
  ForEachCell(c, s, [&](cairo_t* cr, int frame) {
    WoodBoard(cr, 1, 1, s.cell_w - 2, s.cell_h - 2, 3, 0.1);
    SetFont(cr, Face::SansBold, std::max(6.0, std::min(s.cell_h * 0.4, 14.0)));
    CentredText(cr, std::to_string(frame), s.cell_w / 2.0, s.cell_h / 2.0, pal::Cream);
  });
}

}  // namespace art

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  std::string manifest_path, out_dir, sheet, timing, looks;
  bool check = false;
  int tile = 200;
  std::vector<std::string> only;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--manifest" && i + 1 < argc) manifest_path = argv[++i];
    else if (a == "--out" && i + 1 < argc) out_dir = argv[++i];
    else if (a == "--contact-sheet" && i + 1 < argc) sheet = argv[++i];
    else if (a == "--timing" && i + 1 < argc) timing = argv[++i];
    else if (a == "--avatar-looks" && i + 1 < argc) looks = argv[++i];
    else if (a == "--check") check = true;
    else if (a == "--tile" && i + 1 < argc) tile = std::atoi(argv[++i]);
    else only.push_back(a);
  }
  if (manifest_path.empty()) {
    std::cerr << "usage: quill_art --manifest images.txt (--check | --out DIR [PATH...])\n";
    return 2;
  }
  std::string error;
  std::vector<art::PictureFile> pictures;
  if (!art::ReadImageManifest(manifest_path, pictures, error)) {
    std::cerr << error << "\n";
    return 1;
  }
  art::Registry reg;
  art::AddCards(reg);
  art::AddBackgrounds(reg);
  art::AddHud(reg);
  art::AddHudPlay(reg);
  art::AddScreens(reg);
  art::AddEffects(reg);
  art::AddStories(reg);
  art::AddShopRooms(reg);
  art::AddOverlays(reg);
  art::AddPlayScreen(reg);
  art::AddIntro(reg);
  art::AddOutro(reg);
  art::AddNewspaper(reg);
  art::AddWildshots(reg);
  art::AddMiniGames(reg);
  art::AddTitleScreens(reg);
  art::AddAvatar(reg);

  if (check) {
    int bad = 0;
    std::set<std::string> listed;
    for (const auto& s : pictures) {
      listed.insert(s.path);
      if (!reg.count(s.path)) {
        std::cerr << manifest_path << ": no drawer for " << s.path << "\n";
        ++bad;
      }
    }
    for (const auto& [path, fn] : reg) {
      if (!listed.count(path)) {
        std::cerr << manifest_path << ": drawer for " << path << " is not in the manifest\n";
        ++bad;
      }
    }
    return bad ? 1 : 0;
  }
  if (out_dir.empty()) {
    std::cerr << "quill_art: --out DIR is required\n";
    return 2;
  }
  if (!looks.empty()) {
    const bool ok = art::WriteAvatarLooks(out_dir, looks, error);
    if (!ok) std::cerr << error << "\n";
    art::ShutdownFonts();
    return ok ? 0 : 1;
  }
  if (!sheet.empty()) {
    // Further pictures of the data folder that other tools make (the font pages) join the sheet.
    for (const auto& path : only) {
      art::PictureFile extra;
      extra.path = path;
      pictures.push_back(extra);
    }
    const bool ok = art::WriteContactSheet(pictures, out_dir, sheet, std::max(40, tile), error);
    if (!ok) std::cerr << error << "\n";
    art::ShutdownFonts();
    return ok ? 0 : 1;
  }

  std::set<std::string> wanted(only.begin(), only.end());
  int done = 0;
  for (const auto& s : pictures) {
    if (!wanted.empty() && !wanted.count(s.path)) continue;
    auto it = reg.find(s.path);
    art::Canvas canvas(s.w, s.h);
    if (it == reg.end()) {
      // A picture listed before its drawer exists gets a labelled board, so the folder stays
      // complete; the manifest check (--check) still reports it.
      std::cerr << "quill_art: warning: no drawer yet for " << s.path << "\n";
      art::Placeholder(canvas, s);
    } else {
      it->second(canvas, s);
    }
    const fs::path out = fs::path(out_dir) / s.path;
    std::error_code ec;
    fs::create_directories(out.parent_path(), ec);
    const bool jpeg = out.extension() == ".jpg";
    const bool ok = jpeg ? canvas.SaveJpeg(out.string(), 88, error) : canvas.SavePng(out.string(), error);
    if (!ok) {
      std::cerr << error << "\n";
      return 1;
    }
    ++done;
  }
  if (!wanted.empty() && done != static_cast<int>(wanted.size())) {
    std::cerr << "quill_art: some requested pictures are not in " << manifest_path << "\n";
    return 1;
  }
  art::ShutdownFonts();
  if (!timing.empty()) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started).count();
    std::ofstream(timing) << ms << "\n";
  }
  return 0;
}
