#pragma once
// Private to the platform library: what kind of OpenGL the display gives, asked of a child process.
//
// Making an OpenGL window loads the display's OpenGL driver into the process for good (Mesa's
// drivers cannot be unloaded). Where that OpenGL is drawn by the processor (a virtual display, a
// machine without a graphics driver) the game draws with SDL's software renderer instead, so the
// driver would only cost memory (about 50 MB for Mesa's llvmpipe). A helper process (a fresh run
// of the executable, see helper_process.h) makes the OpenGL window and renderer, answers with one
// byte and ends; the game's own process loads the driver only when OpenGL is really used.

#include <SDL.h>

namespace platform::detail {

enum class GlKind {
  kUnknown,   // the child could not be run or did not answer in time
  kNone,      // no OpenGL window or renderer can be made
  kSoftware,  // OpenGL drawn by the processor
  kHardware,  // OpenGL on a graphics card
};

// Asks once per process (the first call waits for the child, at most a few seconds).
GlKind ProbeOpenGl();

// How long the first ProbeOpenGl waits for the child's answer: 5000 ms, so a start-up never hangs
// on a driver that does not answer; -1 waits for the answer however long it takes (for tests on a
// loaded machine, where making the child's OpenGL window can take longer). Set before the first
// call.
void SetProbeLimitMs(int ms);

// The helper's side: makes a hidden OpenGL window and renderer, writes the answer ('S' software,
// 'H' hardware, 'N' none) to descriptor `out` and ends the process.
[[noreturn]] void AnswerProbe(int out);

// Whether the renderer's pixels are drawn by the processor: SDL's software renderer, or OpenGL
// served by Mesa's software rasterisers.
bool DrawsInSoftware(SDL_Renderer* renderer);

}  // namespace platform::detail
