#pragma once
// Animation phases and counters, in logic ticks. Durations are given in milliseconds and turned
// into ticks once (ccCalcAnimLengthHook, i.e. TGame::CalcAnimLength); every Manage advances by the
// current Delta (*ccDeltaSource). See util/globals.h.

#include <array>
#include <list>
#include <memory>

#include "platform/graphics.h"

// The timer behind every timed transition: up to MAX_PHASES phases run once, cycled or parked on
// the final state. Read as a ratio 0..1 (with easings) or a frame index.
class TAnimation {
 public:
  static constexpr int MAX_PHASES = 50;

  int Active = 0;        // Manage does nothing while 0
  float Counter = 0;     // ticks of the current phase: down from its length, or up from 0
  std::array<float, MAX_PHASES> Length{};  // phase lengths in ticks
  int LeaveActive = 0;   // 1: stays active, parked on its final state, when the last phase ends
  int CurrentPhase = 0;
  int TotalPhases = 1;
  int Reverse = 0;       // 0: the counter runs down; 1: up
  int Cycle = 0;         // 1: phase 0 follows the last phase, without end
  int Finished = 0;      // 1 once the last phase ended without cycling; only Init clears it

  virtual ~TAnimation() = default;
  // A new animation after Init; not started.
  static std::shared_ptr<TAnimation> Create(int length_ms, int leave_active, int reverse, int cycle);
  // Phase 0 of length_ms, one phase, the flags; Active and Counter stay. Returns 0.
  virtual int Init(int length_ms, int leave_active, int reverse, int cycle);
  // Appends a phase. Refused (returns -1) when MAX_PHASES phases are in use. Returns 0.
  virtual int AddPhase(int length_ms);
  // Idle with a single phase (lengths, flags and Finished stay). Returns 0.
  virtual int Clear();
  // Runs from phase 0 (a count-down still above 0 goes on from the ticks left). Returns 0.
  virtual int Start();
  // Restarts from the full first phase. Returns 0.
  virtual int Reset();
  // Once per logic tick: 1 on the tick on which a phase ends, else 0.
  virtual int Manage();
  // Moves on after a phase: 1 when the whole animation ended (stopped or parked), 0 when a
  // further phase or a new cycle runs.
  virtual int EndAnim();
  // Counter / Length[CurrentPhase]; a phase of 0 ticks reads 0 (1 counting up once ended).
  virtual float GetRatio();
  virtual float GetRatioInv();
  virtual float GetRatioSine();
  virtual float GetRatioInvSine();
  virtual float GetRatioSin108();
  virtual float GetRatioInvSine180();
  // Frame index 0 .. frames - 1 of the current phase.
  virtual int GetAnimFrame(int frames);
};

// A one-shot countdown in whole ticks.
class TCounter {
 public:
  int Active = 0;
  float Counter = 0;
  int CounterLength = 1000;

  // A new, running counter of length_ms.
  static std::shared_ptr<TCounter> Create(int length_ms);
  int Activate();
  // 1 on the tick on which it runs out; 0 otherwise (also on every call after).
  int Manage();
  int Stop();
};

class TCounterList {
 public:
  std::list<std::shared_ptr<TCounter>> Counters;

  // A new running counter appended at the end.
  std::shared_ptr<TCounter> AddNew(int length_ms);
  // Manages every counter; with remove_finished, removes those that ran out on this call.
  int Manage(int remove_finished);
};

// Two images cross-faded: Image1 solid, Image2 over it at an alpha rising from 0 to 1.
class TCrossFade {
 public:
  std::shared_ptr<TAnimation> Anim;
  platform::ImageRef Image1;
  platform::ImageRef Image2;
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;

  // A new running cross-fade.
  static std::shared_ptr<TCrossFade> Create(platform::ImageRef image1, platform::ImageRef image2,
                                            int length_ms);
  int Init(platform::ImageRef image1, platform::ImageRef image2, int length_ms);
  int Manage();
  int Draw();
};

// Frame index for an elapsed fraction: floor(counter / length * frames) counting up, floor((1 -
// counter / length) * frames) counting down, capped at frames - 1 (0 for a length or frame count
// of 0 or less).
int ccCalcAnimFrame(float counter, int length, int frames, int counts_up);
// 1000 / fps.
float ccCalcMSPerFrame(int fps);
