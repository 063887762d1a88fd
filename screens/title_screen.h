#pragma once
// The title page and main menu: background, the logo sliding in with the version, the current
// player's name and photo, the notice line and seven buttons (play, change player, options, career
// statistics, trophy room, golf shop, exit). Its page is built by the data loader during loading
// (SpecialLoad(1, 1)) and again on every later arrival (PreStart). Three modal children can sit
// over the menu and take all input while open: the first-run name prompt, the player manager and
// the resume dialog. The title handles Escape itself (Game->IgnoreEscapeKey is 1 while current).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"

class TAnimation;
class TDialogTextInput;
class TGameImage;
class TLabel;
class TPlayerManager;
class TResumeGameDialog;

class TTitleScreen : public TScreen {
 public:
  TTitleScreen();
  ~TTitleScreen() override;

  std::shared_ptr<TAnimation> Intro;  // the 300 ms logo slide
  std::string Copyright;              // the notice line at the bottom right
  std::shared_ptr<TDialogTextInput> EnterName;      // the first-run name prompt, or none
  std::shared_ptr<TLabel> Welcome;                  // the current player's name
  std::shared_ptr<TPlayerManager> PlayerManager;    // the open player manager, or none
  std::shared_ptr<TResumeGameDialog> ResumeDialog;  // the resume dialog, or none
  // 1 while the avatar chooser is shown over the title (set by the avatar chooser's opener,
  // cleared by the chooser's Kill): the title then skips its own pictures.
  int DrawDisabled = 0;
  int ShallWePlayMusic = 0;  // whether PlayMusic may start the title music
  std::shared_ptr<TGameImage> Photo;  // the current player's avatar photo

  // Builds the page. loading 1: the loading stage (three loading-bar steps, then the first-run
  // check); 0: a return from another screen (the loading picture shows meanwhile). loadMusic
  // non-zero loads the title theme. Returns 0.
  virtual int SpecialLoad(int loading, int loadMusic);
  // The photo of the current player's avatar: "title/snapshots/" + "gent"/"lady" + "_pic_" +
  // (avatar + 1) + ".png".
  virtual int LoadPhoto();
  // At the end of the loading stage: loads the remembered player, or prepares the first-run
  // prompt when the profiles folder holds no player file. Fatal when the folder cannot be read.
  virtual int PromptForName();
  // Makes the first-run name prompt (no Cancel).
  virtual int SetupPrompt();
  // The welcome line from the current profile's name: 1, or 0 (unchanged) without a profile.
  virtual int SetupWelcome();
  // Starts the page; playMusic non-zero lets PlayMusic start the title music.
  virtual int SpecialStart(int playMusic);
  virtual int PlayMusic();
  // Opens the resume dialog over the menu.
  virtual int MakeResumeDialog();
  // Leaves for play: the play screen when a round is in progress, else the course selector.
  virtual int PlayGame();
  // Opens the player manager.
  virtual int ShowPlayerManager();
  virtual int DrawWelcome();

  // Arrival through a screen switch: rebuilds and starts the page; the title music is reloaded
  // after every screen but the options page.
  int PreStart() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  // A fallback only (the title handles Escape itself): the program ends.
  int SetEscDestination() override;

  // The photo's file below the image folder for a gentleman (male 1) or a lady and an avatar
  // number from 0.
  static std::string PhotoFile(int male, int avatar);
  // Whether a profiles-folder entry is a player file: not ".", ".." or ".dat", and its extension
  // after the last dot is exactly "dat".
  static bool IsPlayerFileName(const std::string& entry);
  // Lists the entry names of a folder: false when it cannot be read. Tests replace the reading
  // through ReadFolderHook.
  static bool ReadFolder(const std::string& path, std::vector<std::string>& entries);
  static inline std::function<bool(const std::string& path, std::vector<std::string>& entries)>
      ReadFolderHook;
};
