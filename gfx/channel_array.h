#pragma once
// The sound-effect channel pool: channels handed out round robin, their loudness balanced against
// the number of sounds playing at once. The application's pool is `Game->Channels` (16 channels);
// each play field keeps one of 32.

#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"

class TGameSound;
class TGameChannel;
class TChannelArray;
using TGameChannelRef = std::shared_ptr<TGameChannel>;
using TChannelArrayRef = std::shared_ptr<TChannelArray>;

class TGameChannel {
 public:
  platform::ChannelRef Channel;  // the audio layer's channel; null once killed or handed on
  std::string name;
  int Reserved = 0;               // 1 keeps the pool from handing this channel out
  int PlayWhenFinished = 1;       // 1: handed out only after its sound has finished
  float OriginalVolume = 1.0f;    // the volume last asked for, before balancing

  static TGameChannelRef Create();
  // Stops the platform channel and drops it.
  int Kill();
};

class TChannelArray {
 public:
  TGameChannelRef Current;  // handed out last; the next search starts after it
  float MaxVol = 1.5f;      // total loudness allowed before every channel is turned down
  std::vector<TGameChannelRef> Channels;  // in pool order

  static TChannelArrayRef Create(int count);
  int Count() const { return static_cast<int>(Channels.size()); }
  // Stops and drops every channel; the pool ends empty.
  int Kill();
  // The next free, unreserved channel after Current, or null when a whole round finds none.
  TGameChannelRef GetChannel();
  // Position counted from 1 (1 or less: the first channel); past the end: null.
  TGameChannelRef ChannelByIndex(int index) const;
  int SetVolume(float factor);
  int CountPlaying() const;
  // Scales every channel to keep the total loudness of the playing sounds (+ extra) under MaxVol.
  float BalanceVolumes(int extra);
  int Manage();
  // Plays `sound` on `channel`, or on a free pool channel when it is null. Returns the channel used,
  // or null when none was free. A channel handed out by the pool belongs to that play: a holder of
  // an earlier play's channel finds it detached (its Channel is null) once the pool reuses the slot.
  TGameChannelRef PlayGameSound(const std::shared_ptr<TGameSound>& sound, TGameChannelRef channel,
                                float volume, float pan);
  // Stops `channel`'s sound and swaps it for a fresh channel at the end of the pool (made Current).
  // A channel that is no longer in the pool (already swapped or detached) is left alone.
  int StopGameChannel(const TGameChannelRef& channel);
};
