#pragma once
// The real game set up headless over the staged data folder with both loading stages run once per
// test process, for the title, options, credits and course selector tests: helpers to start from
// a chosen profiles folder, to run frames with the manual clock, and to script keys and clicks.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TButton;
class TScreen;

namespace menu_test {

// Loads the game once (skips the test when there is no data folder). Returns false to skip.
bool LoadGame();
// The profiles folder emptied, then a player file for each name (cash 1000, new-player state).
void ResetProfiles(const std::vector<std::string>& players);
// Makes `name` the current player, read from its file (written first when missing).
void UsePlayer(const std::string& name);
// Ends what the last test left running (a pending switch leads to the title instead).
void Quiesce();
// Makes `screen` current as a screen switch does, from the screen `from` (null: none).
void Enter(const std::shared_ptr<TScreen>& screen, const std::shared_ptr<TScreen>& from);
// Runs one frame (logic for 16 ms, then drawing).
void Frame();
// Runs frames until `done` or `frames` frames have run; true when `done` became true.
bool RunUntil(const std::function<bool()>& done, int frames = 600);
// Runs frames until no fade runs and the current screen is `screen`.
bool Settle(const std::shared_ptr<TScreen>& screen, int frames = 600);
void Key(int code);
void Type(const std::string& text);
void Click(int x, int y);
// A click on the middle of the button.
void ClickButton(const std::shared_ptr<TButton>& button);
// The file's bytes, empty when missing.
std::vector<unsigned char> FileBytes(const std::string& path);

}  // namespace menu_test
