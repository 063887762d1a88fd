#pragma once
// A scripted player for whole rounds through the real program (RunEntry with GameEntrySteps),
// headless over the staged data with the manual clock. Every drawn frame it looks at what is on the
// screen and, once things have rested a while, does what a player would do next: the loading
// screen's click, the newspaper's OK, and on the play screen the hint scroll, tips and unlock
// messages, wild shots and their mini-games, the rifle of a wild shot, the score card's buttons and
// the hole itself (End Hole when lit, End Drive when shown, else a card that plays, else the
// stock). The title, the course selector and the ending are the test's, through onScreen.

#include <functional>
#include <memory>
#include <set>
#include <string>

class TButton;
class TCard;
class TMenu;
class TProfile;
class TScreen;

namespace road_test {

class TScriptedPlayer {
 public:
  int frames = 0, clicks = 0, holesSeen = 0, wildShots = 0, miniGames = 0, riflesFired = 0;
  int cardsClicked = 0;  // cards of the layout clicked on the current hole
  bool sawNewspaper = false, sawCourseEnd = false;
  std::string trail;  // the screens met, in order
  // The game's clock moves this much between two drawn frames: 50 ms, the most the game's timer
  // lets pass in one frame (ten logic ticks), so a whole course needs few drawings.
  int frameMs = 50;
  // The test takes over: the player leaves the hole's cards, or the score card shown after a
  // hole, alone.
  bool holdPlay = false, holdScoreCard = false;
  // The title, the course selector and the ending (every screen the player does not know).
  std::function<void(const std::shared_ptr<TScreen>&)> onScreen;

  // One frame of the player: call once after every drawn frame, after moving the clock.
  void Step();
  // Runs the real program (RunEntry with GameEntrySteps): every drawn frame the clock moves
  // frameMs, the player takes its step, then `each` (when given), until the program ends or
  // `frameBudget` frames were drawn. Returns the program's exit status.
  int Play(int frameBudget, const std::function<void()>& each = nullptr);
  // Waits until the screen has rested `ms` milliseconds of the game's clock since the last action.
  bool Rested(int ms);
  // A press now, its release on the next frame (the play field reads the held button).
  void ClickAt(int x, int y);
  void ClickButton(const std::shared_ptr<TButton>& b);
  // On the title of a first run: types `name` into the name prompt, then picks the first gent's
  // face in the avatar chooser. False once no prompt is open.
  bool AnswerFirstRun(const std::string& name);
  // Sets onScreen for a first run to the first course's first hole: the name prompt answered with
  // `name` and the first face, then the title's Play and the course selector's Start.
  void StartTheFirstCourse(const std::string& name);
  // The hole is dealt, no overlay is open and nothing animates: a click would be taken.
  static bool PlayRests();

  static std::shared_ptr<TButton> Usable(const std::shared_ptr<TMenu>& menu, const std::string& name);
  static std::shared_ptr<TButton> FirstUsable(const std::shared_ptr<TMenu>& menu);

 private:
  int rest = 0, wildOpen = 0, miniOpen = 0, lastHole = -1;
  bool releasePending = false, typed = false;
  std::size_t cardTry = 0;
  std::shared_ptr<TScreen> lastScreen;
  std::set<int> refused;

  void PlayStep();
};

// The first card of the layout that a click would play (uncovered, face up, at rest, a wedge, an
// iron or a value next to the foundation's) and not in `tried`; it is added to `tried`, so a card
// that stays after its click is not tried again. Null when none.
std::shared_ptr<TCard> NextPlayableCard(std::set<int>& tried);

// For the blocking loops (the game's message boxes): the clock moves 16 ms a pass, and a Space
// now and then so none waits forever.
void AdvanceModal();
// An empty per-user folder, whatever earlier tests of this process left in it.
void EmptyUserFolder();
// A new player made as the game makes one, with `cash` to spend, current and on disk.
std::shared_ptr<TProfile> NewPlayer(const std::string& name, int cash);
// On the title: a player `name` with `cash`, the tutorial course in progress at its first hole, made
// current and written to disk (no first-run prompt); then the title's Play. Returns the player.
std::shared_ptr<TProfile> PlayTutorialFromTheTitle(const std::string& name, int cash);
// The player's file read back from disk (its saved game into GameScreen's player).
std::shared_ptr<TProfile> ReadBack(const std::string& name);

}  // namespace road_test
