#pragma once
// The global fade to and from black (one instance, Game->GameFade). A screen leaves by setting
// Game->DestinationTScreen and starting a fade-out; the new screen fades in. Any key or click cuts
// a fade short; every fade's end stops speech. Lengths are given in ms and run in logic ticks.

#include <memory>

#include "platform/audio.h"

class TGameChannel;

class TGameFade {
 public:
  int Length = 0;       // ticks, at least 1 while a fade runs
  float Counter = 0;    // ticks elapsed
  int Active = 0;       // 1 while the fade runs
  int Out = 1;          // 1: to black; 0: in from black
  float Ratio = 0;      // how much of the screen shows: 1 clear, 0 black
  int Done = 0;         // set when a fade ends, cleared by GetDone
  platform::ChannelRef Channel;            // its volume follows the fade (normally the music)
  std::shared_ptr<TGameChannel> Channel2;  // a pooled channel that follows and is stopped at the end
  int Channel2IsGameChannelArray = 1;      // 1: Channel2 is stopped through Game->Channels
  int AllowAnim = 0;        // 1: the current screen's logic goes on during the fade
  int FadeInAborted = 0;    // 1: the last fade-in was cut short
  float FadeCounterBeforeAbort = 0;
  int SetToFullOnAbort = 1;  // 1: a cut-short fade-in jumps to full brightness
  int AbortKey = 0;          // what cut a fade-in short: key code, -1 a click, 0 Esc

  // Starts a fade of `ms` milliseconds (0 or less: FADE_SPEED) unless one runs: 0 then, else 1.
  // `startCounter` lets a fade begin part-way (ticks). With fades off (Game->Fade 0 or NoFade 1)
  // it finishes at once.
  int Init(float ms, int out, platform::ChannelRef channel, int allowAnim, float startCounter);
  // Ends the fade at once.
  int Finish();
  // One logic step: 0 running or idle, 1 on the step it completes, -1 when input cut it short.
  int Manage();
  int CalcRatio();
  int FadeChannels();
  // The black veil over the logical screen while active.
  int Draw();
  // 1 once after a fade has ended, then 0.
  int GetDone();
};
