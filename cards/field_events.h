#pragma once
// What the play field tells the screen above it, and the little it asks of that screen. The cards,
// the play field, the cards in flight and the token streams keep the rules; a sound, a sign, a
// particle, the HUD's run, a tip dialog, the wild shot dialog or a button state belong to the play
// screen, which installs its own TFieldEvents (SetFieldEvents). The field calls these at the moment
// the outcome happens, so the screen's side follows in the same order and on the same tick.
//
// This base class is the field without a screen: every report does nothing and every question has
// the answer of an empty screen (no player, no HUD, nothing running). Tests may derive from it to
// record what the field reported.

#include <memory>
#include <string>

class TCard;
class TCourse;
class TGameImage;
class TParticle;
class TParticleList;

class TFieldEvents {
 public:
  // The screen's pictures the field puts up as signs and markers.
  enum class Sign { WedgeFound, IronFound, Invalid, Cleared };
  // Where cash tokens fly: the hole-cash sign, or the stopwatch's centre when the hole is timed.
  struct TokenTargets {
    int holeCashX = 0, holeCashY = 0;
    int stopWatchX = 0, stopWatchY = 0;
  };

  TFieldEvents() = default;
  TFieldEvents(const TFieldEvents&) = delete;
  TFieldEvents& operator=(const TFieldEvents&) = delete;
  virtual ~TFieldEvents() = default;

  // ---- Questions ----
  // The player of the hole being played: there is one; the level (1 without a player); whether
  // the hole is timed and its time is up; an iron in the bag (slots IRON_FIRST..IRON_LAST).
  virtual bool HasPlayer() { return false; }
  virtual int PlayerLevel() { return 1; }
  virtual bool HoleTimed() { return false; }
  virtual bool TimeIsUp() { return false; }
  virtual bool IronInBag(int) { return false; }
  // The course of the player's saved game (empty without a player), and a course by name.
  virtual std::string CourseName() { return std::string(); }
  virtual std::shared_ptr<TCourse> CourseFind(const std::string&) { return nullptr; }
  // Whether the hole is read from the player's saved game rather than laid out from its file.
  virtual int LoadLevelFromProfile() { return 0; }
  // Whether a HUD is there at all (the irons' band only answers the pointer with one).
  virtual bool HasHud() { return false; }
  // Cards in the current run of the HUD.
  virtual int DriveLength() { return 0; }
  // The HUD's iron under the pointer (0 for none), and the scale of one iron in the bag.
  virtual int IronsMouseOver() { return 0; }
  virtual void SetIronsMouseOver(int) {}
  virtual void IronsCollide() {}
  // The top edge of the highest bag iron's picture, in screen pixels; a large value without a HUD.
  virtual int IronsTop() { return 1 << 20; }
  virtual float* IronScale(int) { return nullptr; }
  // Where an iron flies to in the bag.
  virtual int IronBagX() { return 0; }
  virtual int IronBagY() { return 0; }
  // Where cash tokens land; false without a HUD.
  virtual bool TokenTargetsFind(TokenTargets&) { return false; }
  // Animations of the screen that keep the field's input blocked.
  virtual bool StockPenaltyRunning() { return false; }
  virtual bool WildshotAnimRunning() { return false; }
  // The running wild shot animation's type, 0 when none runs.
  virtual int WildshotAnimTypeRunning() { return 0; }
  virtual bool OutroRunning() { return false; }
  // Irons still turning into their bag picture.
  virtual int CardToIronAnims() { return 0; }
  // Whether the screen's button of that name is shown and active.
  virtual bool ButtonActive(const std::string&) { return false; }
  // A picture of the screen's signs, empty when there is none.
  virtual std::shared_ptr<TGameImage> SignImage(Sign) { return nullptr; }
  // How many missed-card tips the hole has shown.
  virtual int MissedCardTipsShown() { return 0; }
  // One tick of the mulligan's animation: non-zero while it runs.
  virtual int MulliganManage() { return 0; }

  // ---- Reports ----
  // The player's hole cash and score change (neither goes below 0).
  virtual void HoleCashChange(int) {}
  virtual void ScoreChange(int) {}
  // A card was played from the layout (career statistics), an iron was taken out of the bag and
  // its play counted.
  virtual void CardPlayedStat() {}
  virtual void IronTakenFromBag(int) {}
  virtual void IronPlayedStat() {}
  // The crowd cheers.
  virtual void Cheer() {}
  // The player did something: the idle prompts wait again.
  virtual void PlayerActed() {}
  // An announcer line.
  virtual void Speech(const std::string&, const std::string&) {}
  // The field came to rest after a blocked stretch: the screen checks for the hole's end.
  virtual void FieldSettled() {}
  virtual void EndDriveEnable(int) {}
  virtual void EndHoleEnable(int) {}
  virtual void MulliganDisable(int) {}
  // An iron ended its flight back to the stock during a run long enough for End Drive.
  virtual void EndDriveButtonShow() {}
  // The run of the HUD: cards added (the HUD's answer), restarted by a stock card, ended flag off.
  virtual int DriveLengthChange(int) { return 0; }
  virtual void DriveRestarted() {}
  virtual void DriveContinues() {}
  // An iron of the bag was played.
  virtual void IronPlayed(int) {}
  // A sign went up: the text pop-ups already showing fade.
  virtual void SignShown(const std::shared_ptr<TParticle>&) {}
  // A wedge was found (its flight to the bag starts), a water card was cleared.
  virtual void WedgeFound(const std::shared_ptr<TCard>&) {}
  virtual void WaterCleared(int) {}
  // A wild shot card turned up from the stock: its dialog opens.
  virtual void WildshotAppears() {}
  // The tutorial's tip that a playable card was missed; the first course's card tip closes.
  virtual void MissedCardTipShow() {}
  virtual bool CardTipClose() { return false; }
  // The stock has a new top card.
  virtual void StockTopChanged() {}
  // An iron's flight to the bag started, and it reached the bag.
  virtual void IronFlightStarted() {}
  virtual void IronReachedBag(const std::shared_ptr<TCard>&) {}
  // A card landed on the foundation with `cardsLeft` cards left on the field; every card in flight
  // has landed (`blocked`: the field's input is still blocked).
  virtual void CardLanded(int) {}
  virtual void FlightsLanded(int) {}
  // The amount text of a card's cash; the sparkles of a token hitting the sign; the sign shakes.
  virtual void TokensText(const std::shared_ptr<TCard>&, int, int) {}
  virtual void TokenSparkles(float, float) {}
  virtual void HoleCashWobble(int) {}
  // A stopwatch token reached the stopwatch: a timed hole still running gets 3 seconds back.
  virtual void StopWatchHit() {}
  // One burst of a pixie-dust shower into its owner's particle list.
  virtual void PixieDustBurst(int, int, int, int, const std::shared_ptr<TParticleList>&) {}
};

// The installed screen side, or the base class (no screen) when none is installed.
TFieldEvents& FieldEvents();
// Installs the screen side (nullptr: none). The caller keeps it alive while installed.
void SetFieldEvents(TFieldEvents* events);
