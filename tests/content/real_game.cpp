#include "tests/content/real_game.h"

#include <cstdlib>

#include "cards/globals.h"
#include "content/image_list.h"
#include "content/loading.h"
#include "content/sound_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "play/globals.h"
#include "screens/run_game.h"
#include "util/globals.h"

bool StillTheLiveGame(const std::weak_ptr<TGame>& loaded) {
  const auto game = loaded.lock();
  return game && game == Game && Game->Channels;
}

bool DataFolderPresent(const std::string& prefix) { return platform::FolderExists(prefix + "Data"); }

std::vector<std::string> LoadingFiles() {
  std::vector<std::string> files = {
      "Data/graphics/Loading/loadingscreen.jpg", "Data/graphics/Loading/loading.png",
      "Data/graphics/Loading/loading_small.png", "Data/graphics/Loading/ball.png",
      "Data/graphics/Loading/ballmask.png",      "Data/sound/putt.ogg",
      "Data/sound/ballinhole.ogg",               "Data/sound/buttonclick.wav",
      "Data/sound/buttonMO.wav",                 "Data/graphics/paused.png",
      "Data/graphics/Loading/clickhere.png",     "Data/graphics/Loading/clickhereMO.png",
      "Data/text/hints.txt",                     "Data/text/wildshots.txt",
      "Data/text/gametext.txt",                  "Data/speech/chance.txt",
      "Data/levels/CourseList.csv",
  };
  for (const auto& sound : GameSoundList()) files.push_back("Data/sound/" + sound.File);
  for (const auto& image : GameImageList()) {
    if (!image.File.empty()) files.push_back("Data/graphics/" + image.File + ".png");
  }
  for (const auto& font : GameFontList()) {
    files.push_back("Data/fonts/" + font.File + ".png");
    files.push_back("Data/fonts/" + font.File + ".fnt");
  }
  return files;
}

std::string FirstMissingLoadingFile(const std::string& prefix) {
  for (const std::string& file : LoadingFiles()) {
    if (!platform::FileExists(prefix + file)) return file;
  }
  return "";
}

void StartGameForLoading(const std::string& prefix, int intro_show) {
  setenv("QUILLBROOK_DATA", prefix.c_str(), 1);
  // A program starts with no hole dealt: a field an earlier test of this process dealt goes.
  GameGrid = nullptr;
  CardList = nullptr;
  PlayList = nullptr;
  TokenGeneratorList = nullptr;
  HUD = nullptr;
  ScreenWidth = 800;
  ScreenHeight = 600;
  Game = std::make_shared<TGame>();
  InstallGameUpperLayer();
  Game->DataInAppBundle = 1;
  Game->SetSubPathWrapper("Marrowfen/Quillbrook");
  Game->Init(0);
  // The splash pictures of the intro's start wait on the clock, which stands still headless.
  Game->Fade = 0;
  Game->PortalSplash = 0;
  Game->PortalSplash2 = 0;
  Game->IntroShow = intro_show;
  Game->ChannelsCreate(16);
  Game->SetEscapeSound("buttonclick");
  FADE_SPEED = 300;
  CreateGameBanksAndScreens();
  std::string error;
  platform::GraphicsOpen(platform::GraphicsOptions{}, &error);
  // Headless: a fatal error goes to the alert (standard error) instead of a box awaiting a key.
  ccGraphicalErrors = 0;
  LoadData();
}

void MirrorDataFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                      const std::vector<std::string>& path_to_skip, std::size_t depth) {
  std::filesystem::create_directories(to);
  for (const auto& entry : std::filesystem::directory_iterator(from)) {
    const std::string name = entry.path().filename().string();
    if (depth < path_to_skip.size() && name == path_to_skip[depth]) {
      if (depth + 1 < path_to_skip.size()) MirrorDataFolder(entry.path(), to / name, path_to_skip, depth + 1);
      continue;
    }
    std::filesystem::create_symlink(entry.path(), to / name);
  }
}
