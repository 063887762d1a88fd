#pragma once
// The play screen's heads-up display: the targets of the token flights, the golf bag of irons,
// the run of cards played without the stock and its multiplier.

#include <array>
#include <memory>
#include <string>

#include "cards/game_grid.h"
#include "util/types.h"

class TGameImage;

class THUD {
 public:
  static constexpr int IRON_COUNT = 8;  // irons 2..9

  int FlagLevel = 1;        // the hole shown; unchanged when the level advances after a hole
  double Multiplier = 1.0;  // the run multiplier, 1.0 to 3.0
  int HOLECASHX = 660, HOLECASHY = 40;
  int CASHX = 700, CASHY = 560;
  int STOPWATCHX = 20, STOPWATCHY = 20;
  std::shared_ptr<TGameImage> StopWatch;
  float HoleCashWobble = 0;
  int HoleCashWobbleLength = 0;
  int HoleCashBouncing = 0;
  int DriveLength = 0;
  int DriveEnded = 0;
  int FiveXReached = 0;
  int LongDrives = 0;  // long drives begun in this hole
  int IronsMO = 0;     // iron under the pointer, 0 for none
  std::array<float, IRON_COUNT> IronsScale{1, 1, 1, 1, 1, 1, 1, 1};
  // The bag: identity and place of each iron (index iron number - 2), and the picture of the irons
  // (one frame per iron).
  std::array<TIronData, IRON_COUNT> IronData{};
  std::array<int, IRON_COUNT> IronX{}, IronY{};
  std::shared_ptr<TGameImage> IronImage;
  int StopWatchGlows = 0;
  // A bag iron on its way out of its slot (IronPlayed): its number, whether for a mulligan, and
  // the ticks left.
  int PendingIron = 0;
  int PendingIronMulligan = 0;
  float PendingIronCounter = 0;

  // The rise of the run multiplier earned by a run of n cards (index n, 0..23; longer runs use the
  // last entry). A fixed table of the program.
  static constexpr std::array<double, 24> MultiplierArray{
      0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6,
      0.7, 0.8, 0.9, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0, 2.3, 2.6, 3.0};

  // The colours of the HUD's fireworks, made once at start-up by LoadGlobals.
  static inline std::array<TColor, 4> FireworkColours{};

  THUD();
  // Builds the HUD's fixed tables. Returns 0.
  static int LoadGlobals();

  // The point of the golf bag to which the next collected iron flies.
  int GetIronX() const;
  int GetIronY() const;
  int HoleCashBounce();
  int StopWatchGlowEffect();
  // Adds n to the run; 1 when this change took it from 5 or less to 6 or more.
  int DriveLengthChange(int n);
  int DriveLengthReset();
  // Writes every held iron's picture into collision layer 1, tagged with its TIronData.
  int IronsCollide();
  // One tick of the sign wobble and of an iron leaving the bag.
  int Manage();
  // Milliseconds left on a timed hole (limit minus time taken), 0 when run out, rounded up to a
  // whole second.
  float TimeCalc() const;
  // The multiplier as its whole part and one decimal digit; 3.0 or more reads "5" and "0" ("7"
  // with avatar item 7). Returns 0.
  static int GetMultiplierStrings(double multiplier, std::string& whole, std::string& tenths);
};
