#include "core/entry.h"

#include <cstdio>
#include <string>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "platform/audio.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/maths.h"

namespace {

constexpr const char* kProductName = "Quillbrook";
constexpr const char* kCreditSuffix = " - a Marrowfen game";

float CalcAnimLengthForLibrary(int ms) { return Game ? Game->CalcAnimLength(ms) : ms / 5.0f; }

void FlushGamePointer() {
  if (Game && Game->Upper) Game->Upper->MouseClearButtons();
}

// Leaves the devices and the per-user folder's lock after a run, whatever way it ended. A quit
// left pending for the way out has been carried out: a later run in the same process starts
// without one.
void CloseDevices() {
  // The game's save before a fatal box belongs to this run only.
  ccFatalErrorHook = nullptr;
  platform::ShowMouse();
  platform::GraphicsClose();
  platform::OnDisplayLost(nullptr);
  platform::AudioClose();
  platform::TakeQuitRequest();
  platform::ReleaseFileLock();
}

}  // namespace

void ReportLostDisplay(const std::string& reason) {
  try {
    // The cause goes on record before play is settled: a settle step that reaches the display
    // again ends the program at once, and the log must name why it ended all the same.
    ccRunTimeErrorSettledFirst(reason, [] {
      if (Game) Game->SettlePlayWithoutDisplay();
    });
  } catch (...) {
    // (The fatal error raised once the report is made, or whatever the save threw: the program
    // ends either way, and nothing may go back through the display library's code.)
  }
}

int RunEntry(const TEntrySteps& steps) {
  // Unprotected start-up: no window yet, errors go to the system alert and end the run.
  platform::CatchQuitSignals();
  // Only this run's refused saves decide its status.
  ccTakeRefusedQuitSaves();
  // A game started where nothing can be shown (no display from a text console or over ssh) would
  // run unseen and keep the per-user folder locked: it ends first, before the folder is touched.
  if (std::string reason; !platform::FindDisplay(&reason)) {
    std::fprintf(stderr, "%s needs a graphical display: %s\n", kProductName, reason.c_str());
    return 1;
  }
  try {
    DebugInt = 1001;
    DebugInt = 1002;
    FULLNAME = std::string(kProductName) + kCreditSuffix;
    ScreenWidth = 800;
    ScreenHeight = 600;
    ccGraphicalErrors = 0;

    DebugInt = 1003;
    DebugInt = 1004;
    Game = std::make_shared<TGame>();
    ccCalcAnimLengthHook = &CalcAnimLengthForLibrary;
    ccDeltaSource = &Delta;
    ccFlushMouseHook = &FlushGamePointer;
    if (steps.InstallUpperLayer) steps.InstallUpperLayer();
    Game->DataInAppBundle = 1;
    Game->SetSubPathWrapper("Marrowfen/Quillbrook");
    Game->FixedRateLogic->JitterCorrection = 0;
    // Nothing in the per-user folder is read or written before its lock is held: a second copy
    // ends here, and the marker check and the clean-up below never meet another copy's saves.
    Game->LockSubPath();
    Game->CheckDataFolder();
    Game->CheckGoodExit();
    Game->Init(0);

    DebugInt = 10041;
    Game->ChannelsCreate(16);
    DebugInt = 1005;
    Game->DebugDisplayX = 5;
    Game->DebugDisplayY = 135;
    DebugInt = 1006;
    Game->SetEscapeSound("buttonclick");
    Game->IgnoreFrameworkKeys = 1;
    Game->IgnoreDebugKey = 1;
    DebugInt = 1007;
    Game->FadeMouse = 1;
    FADE_SPEED = 300;
    DebugInt = 1008;
    DebugInt = 1009;
    DebugInt = 1010;
    if (steps.CreateBanksAndScreens) steps.CreateBanksAndScreens();
  } catch (const ccFatalError&) {
    CloseDevices();
    return 1;
  } catch (const std::exception& error) {
    platform::Alert(FULLNAME, error.what());
    CloseDevices();
    return 1;
  }

  // The protected section: graphics, the first loading stage and the main loop.
  int status = 0;
  platform::OnDisplayLost(&ReportLostDisplay);
  try {
    DebugInt = 1011;
    Game->GraphicsCreate();
    DebugInt = 1012;
    ccFastRandSeed(static_cast<int>(platform::Millisecs()));
    platform::HideMouse();
    DebugInt = 1013;
    DebugInt = 1014;
    if (steps.LoadData) steps.LoadData();
    // A quit during the splash screens ends the program here, before the first frame and without
    // an exit fade.
    if (platform::TakeQuitRequest()) throw ccQuit();
    DebugInt = 1015;
    ccFlushAll();
    Game->DebugReset();
    Game->FixedRateLogic->Init();
    for (;;) {
      DebugInt = 1016;
      if (Game->MainLogicLoop() == -1) break;
      DebugInt = 1017;
      Game->ScreenDraw();
      if (steps.AfterFrame && !steps.AfterFrame()) {
        CloseDevices();
        return 2;
      }
    }
  } catch (const ccFatalError&) {
    // Already logged and shown; a fatal error ends at once, without the clean-exit marker.
    CloseDevices();
    return 1;
  } catch (const ccQuit&) {
    // A quit during loading: the program ends as cleanly as after the main loop.
  } catch (...) {
    HandleGeneralError(std::current_exception());
    status = 1;
  }

  try {
    if (steps.Shutdown) {
      steps.Shutdown();
    } else {
      TGame::MakeGoodExit();
      Game->Kill();
    }
  } catch (const ccFatalError&) {
    status = 1;
  }
  // A save refused while the game quit had no box to show it (the quit ends every box at once):
  // each is named on standard error, and the run does not end as a clean one.
  if (const int refused = ccTakeRefusedQuitSaves(); refused > 0) {
    std::fprintf(stderr, "%s ended with %d save%s refused: play since the last save is lost.\n",
                 kProductName, refused, refused == 1 ? "" : "s");
    status = 1;
  }
  CloseDevices();
  return status;
}
