#pragma once
// The real game set up headless over a data folder, as the entry does, up to the first loading
// stage; used by the loading tests on the staged data and by the loading benchmark.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TGame;

// True when `prefix` holds a data folder ("Data/"). Only its absence lets a real-data test skip; a
// data folder that lacks a file the game loads is a failure.
bool DataFolderPresent(const std::string& prefix);
// Every file the two loading stages open (paths relative to the data prefix).
std::vector<std::string> LoadingFiles();
// The first of LoadingFiles missing under `prefix`, "" when all are there.
std::string FirstMissingLoadingFile(const std::string& prefix);
// Makes Game, the banks and the screens for the data folder `prefix`, opens the headless screen and
// runs LoadData (the first stage). The per-user folder is the process's XDG_DATA_HOME. With the
// show on (`intro_show` 1) the intro is left current with its show loaded and the second stage not
// run; with it off the intro's start runs the second stage and the loading screen is current.
void StartGameForLoading(const std::string& prefix, int intro_show = 1);

// Links every entry of `from` into `to`, except the entry path_to_skip[0], into which it goes as a
// folder of its own to leave out path_to_skip[1], and so on: a copy of a data folder in which one
// file deep inside can be left out or replaced.
void MirrorDataFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                      const std::vector<std::string>& path_to_skip, std::size_t depth = 0);

// True while `loaded` is still the live game: no test has since made a game of its own or shut this
// one down (a run of the real entry does both). A test family that loads the game once per process
// checks this and loads again rather than drive a dead game.
bool StillTheLiveGame(const std::weak_ptr<TGame>& loaded);
