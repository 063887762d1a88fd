// The staged data folder against its manifests: every listed file is there, pictures have the
// listed size and cells and are real pictures, and every data path the game's code names is listed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "manifest_reader.h"
#include "platform/graphics.h"

namespace fs = std::filesystem;
using data_test::DataDir;
using data_test::Lower;
using data_test::ReadManifest;

namespace {

bool Staged(const std::string& path) { return fs::is_regular_file(DataDir() + path); }

// Two distinct pixels somewhere in the rectangle: not a single flat colour (or all transparent).
bool HasDetail(const platform::Pixmap& p, int x0, int y0, int w, int h) {
  const platform::Argb first = p.ReadPixel(x0, y0);
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (p.ReadPixel(x, y) != first) return true;
  return false;
}

TEST(DataManifest, EveryPictureIsStagedAtItsSizeWithRealCells) {
  const auto images = ReadManifest("images.txt");
  ASSERT_GT(images.size(), 100u);
  std::vector<std::string> faults;
  for (const auto& e : images) {
    ASSERT_GE(e.columns.size(), 4u) << "images.txt:" << e.line;
    int w = 0, h = 0, cw = 0, ch = 0, frames = 1;
    ASSERT_EQ(std::sscanf(e.columns[1].c_str(), "%dx%d", &w, &h), 2) << "images.txt:" << e.line;
    if (e.columns[2] == "-") {
      cw = w;
      ch = h;
    } else {
      ASSERT_EQ(std::sscanf(e.columns[2].c_str(), "%dx%d*%d", &cw, &ch, &frames), 3);
    }
    const platform::PixmapRef pix = platform::LoadPixmap(DataDir() + e.path);
    if (!pix) {
      faults.push_back(e.path + ": not staged or unreadable");
      continue;
    }
    if (pix->Width() != w || pix->Height() != h) {
      faults.push_back(e.path + ": " + std::to_string(pix->Width()) + "x" +
                       std::to_string(pix->Height()) + ", listed " + e.columns[1]);
      continue;
    }
    const int cols = w / cw;
    for (int f = 0; f < frames; ++f)
      if (!HasDetail(*pix, (f % cols) * cw, (f / cols) * ch, cw, ch))
        faults.push_back(e.path + ": frame " + std::to_string(f) + " is one flat colour");
  }
  for (const auto& f : faults) ADD_FAILURE() << f;
}

TEST(DataManifest, EveryFontTextSoundAndLevelFileIsStaged) {
  std::vector<std::string> missing;
  std::set<std::string> seen;
  auto expect = [&](const std::string& path) {
    if (!seen.insert(Lower(path)).second) ADD_FAILURE() << path << " is listed twice";
    if (!Staged(path)) missing.push_back(path);
  };
  for (const auto& e : ReadManifest("images.txt")) seen.insert(Lower(e.path));
  for (const auto& e : ReadManifest("fonts.txt")) {
    expect(e.path + ".png");
    expect(e.path + ".fnt");
  }
  const auto fonts = ReadManifest("fonts.txt");
  EXPECT_EQ(fonts.size(), 12u);
  for (const auto& e : ReadManifest("text.txt")) expect(e.path);
  // Sounds and levels come from their own tools, and every one of them is staged by the same build.
  const auto sounds = ReadManifest("sounds.txt");
  const auto levels = ReadManifest("levels.txt");
  EXPECT_GT(sounds.size(), 300u);
  EXPECT_GT(levels.size(), 700u);
  for (const auto* entries : {&sounds, &levels})
    for (const auto& e : *entries) expect(e.path);
  for (const auto& m : missing) ADD_FAILURE() << m << " is listed but not in " << DataDir();
}

// Every data file the game's code names must be in a manifest, or in unlisted.txt with the reason it
// is not made. The code names files in three ways, and each is checked:
//  - a literal that looks like a file: "Loading/ball.png", "title theme.ogg", "cards/irons";
//  - a folder and a stem that the code completes with a number: "misc/foundwedge" + "2" + ".ogg";
//  - a bare name handed to a loader that adds the folder and the extension: images "paused",
//    sounds "buttonclick", menu buttons "OK" (with their mouse-over picture "OKMO").
TEST(DataManifest, EveryDataPathInTheCodeIsListed) {
  std::vector<std::string> listed;
  for (const char* m : {"images.txt", "fonts.txt", "text.txt", "sounds.txt", "levels.txt"})
    for (const auto& e : ReadManifest(m)) listed.push_back(Lower(e.path));
  std::set<std::string> unlisted;
  for (const auto& e : ReadManifest("unlisted.txt")) unlisted.insert(Lower(e.path));
  std::set<std::string> stems;  // file names without folder and extension
  for (const auto& p : listed) {
    const auto slash = p.rfind('/');
    std::string stem = slash == std::string::npos ? p : p.substr(slash + 1);
    if (const auto dot = stem.rfind('.'); dot != std::string::npos) stem.resize(dot);
    stems.insert(stem);
  }

  const std::regex literal("\"((?:[^\"\\\\\\n]|\\\\.)*)\"");
  const std::regex data_ext(R"(^[A-Za-z0-9_ ./-]+\.(png|jpg|ogg|wav|txt|fnt|ini|csv)$)",
                            std::regex::icase);
  const std::regex folder_ref(
      R"(^(cards|fonts|particles|gamescreen|scorecard|wildshots|courseselector|Loading|PlayerManager|backgrounds|shop|newspaper|ambience|intro|outro|menus)/[A-Za-z0-9_ ./-]*$)",
      std::regex::icase);
  const std::regex folder_stem(R"(^[A-Za-z][A-Za-z0-9_]*/[A-Za-z0-9_/]*[A-Za-z0-9_]$)");
  // A loader call whose leading arguments are literals; the group holds them.
  const std::regex loader_call(
      R"(\b(Load|LoadNoMid|AddQuick|AddQuickAuto|AddPair|TMenu::Create|SetClickHereButton)\(\s*("[^"\n]*"(?:\s*,\s*"[^"\n]*")*))");
  const std::regex string_in_call("\"([^\"\\n]*)\"");
  auto ends_with = [](const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
  };
  auto known = [&](const std::string& lit) {
    std::string l = Lower(lit);
    if (unlisted.count(l)) return true;
    if (l.rfind("data/", 0) == 0) l = l.substr(5);  // the data folder itself
    for (const auto& p : listed) {
      for (const char* ext : {"", ".png", ".jpg", ".ogg", ".wav"})
        if (p == l + ext || ends_with(p, "/" + l + ext)) return true;
      // a folder that code completes with a name (e.g. "data/fonts/")
      if (l.back() == '/' && (p.rfind(l, 0) == 0 || p.find("/" + l) != std::string::npos))
        return true;
    }
    return false;
  };
  // "misc/foundwedge" names the family "speech/misc/foundwedge1.ogg" ...; "Data/sound" a folder.
  auto known_family_or_folder = [&](const std::string& lit) {
    std::string l = Lower(lit);
    if (known(lit)) return true;
    if (l.rfind("data/", 0) == 0) l = l.substr(5);
    for (const auto& p : listed)
      if (p.rfind(l, 0) == 0 || p.find("/" + l) != std::string::npos) return true;
    return false;
  };

  std::map<std::string, std::string> unknown;  // literal -> first file naming it
  const fs::path root = QUILL_SOURCE_DIR;
  int loader_names = 0;
  for (const char* dir : {"util", "core", "gfx", "ui", "cards", "play", "progress", "screens",
                          "wildshot", "content"}) {
    if (!fs::is_directory(root / dir)) continue;
    for (const auto& f : fs::recursive_directory_iterator(root / dir)) {
      const auto ext = f.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      std::ifstream in(f.path());
      std::stringstream ss;
      ss << in.rdbuf();
      const std::string text = ss.str();
      const std::string where = fs::relative(f.path(), root).string();
      for (auto it = std::sregex_iterator(text.begin(), text.end(), literal); it != std::sregex_iterator(); ++it) {
        const std::string lit = (*it)[1];
        if (lit.empty() || lit.find("\\") != std::string::npos) continue;
        if (lit.ends_with(".h") || lit.ends_with(".cpp")) continue;  // an include
        if (std::regex_match(lit, data_ext) || std::regex_match(lit, folder_ref)) {
          if (lit[0] == '.') continue;  // an extension alone
          if (!known(lit)) unknown.emplace(lit, where);
        } else if (std::regex_match(lit, folder_stem)) {
          if (!known_family_or_folder(lit)) unknown.emplace(lit, where);
        }
      }
      for (auto it = std::sregex_iterator(text.begin(), text.end(), loader_call); it != std::sregex_iterator(); ++it) {
        const std::string call = (*it)[1];
        const std::string args = (*it)[2];
        const bool button = call == "AddQuick" || call == "AddQuickAuto" || call == "AddPair";
        for (auto a = std::sregex_iterator(args.begin(), args.end(), string_in_call); a != std::sregex_iterator(); ++a) {
          const std::string name = (*a)[1];
          if (name.empty() || name.find('.') != std::string::npos || name.find('/') != std::string::npos)
            continue;  // no name, or a path that the literal checks above have seen
          ++loader_names;
          for (const std::string& n : button ? std::vector<std::string>{name, name + "MO"}
                                             : std::vector<std::string>{name})
            if (!stems.count(Lower(n)) && !unlisted.count(Lower(n))) unknown.emplace(n, where);
        }
      }
    }
  }
  EXPECT_GT(loader_names, 5) << "the loader calls were not found: has their form changed?";
  for (const auto& [lit, file] : unknown)
    ADD_FAILURE() << "\"" << lit << "\" (" << file
                  << ") is in no data manifest: add it to data/manifest/, or to unlisted.txt with "
                     "the reason";
}

}  // namespace
