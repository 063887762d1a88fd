#pragma once
// Private to the platform library, its tests, fuzz targets and measuring: how sounds are held
// (decoded into OpenAL buffers or streamed from their files) and a device that mixes into memory.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/audio.h"

namespace platform::detail {

// Ogg sounds whose decoded samples would take more bytes than this stream from their file; the
// rest are decoded whole. Applies to sounds loaded afterwards.
void SetStreamAbove(std::size_t bytes);
std::size_t StreamAbove();
bool IsStreamed(const SoundRef& sound);
// The most bytes of samples a sound decoded whole may take (kWavDecodedMaxBytes unless set): a WAV
// past it is refused from its headers, an Ogg as its decoding passes it. Applies to sounds loaded
// afterwards.
void SetDecodedMaxBytes(long long bytes);
long long DecodedMaxBytes();

// What the sounds hold now, for measuring memory.
struct SoundMemory {
  int sounds = 0;
  int streamed = 0;               // sounds read from their file while they play
  long long openal_bytes = 0;     // samples of the sounds in OpenAL buffers
  int streams_playing = 0;
  long long stream_bytes = 0;     // the queued buffers of the streams playing
};
SoundMemory HeldBySounds();

// Opens OpenAL's loopback device (stereo 32-bit float at `rate`) in place of an output: nothing is
// heard, and the mix is read with RenderLoopback. False when OpenAL offers no loopback device.
bool AudioOpenLoopback(int rate);
// Mixes the next `frames` frames of the loopback device (left and right interleaved), keeping the
// streams' queues filled as the streaming thread would, or, when not `refill`, letting them run dry
// as when that thread is held up.
std::vector<float> RenderLoopback(int frames, bool refill = true);

// Every sample of a streamed sound read the way a channel plays it once (empty for a sound that is
// not streamed).
std::vector<std::int16_t> ReadStreamOnce(const SoundRef& sound);

// Writes what pictures and sounds hold to standard error, one "held:" line each (measuring aid,
// called from a debugger by bench/memory.sh).
void PrintMemoryHeld();

}  // namespace platform::detail
