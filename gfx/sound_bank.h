#pragma once
// Named sounds. A TGameSound is a platform sound with its upper-cased look-up name, a playback rate
// and a volume; the sound bank `sounds` (gfx/globals.h) holds most of them for the whole run.

#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"

class TGameSound;
using TGameSoundRef = std::shared_ptr<TGameSound>;

class TGameSound {
 public:
  std::string name;          // look-up name, always upper-case
  platform::SoundRef sound;  // the loaded sample
  float pitch = 1.0f;        // playback rate given to the channel when the sound starts
  float volume = 1.0f;       // volume factor; the channel pool overwrites it at every pooled play

  // Loads `file` (a full path with extension); fatal "Error loading sample " + path on failure.
  static TGameSoundRef Create(const std::string& file, int flags);
  int Load(const std::string& file, int flags);
  // Plays this sound on `channel` through the application's sound switch and volume.
  int PlayInChannel(platform::ChannelRef& channel, float pan);
};

class TSoundBank {
 public:
  std::string Path;
  std::string Ext = ".wav";
  std::vector<TGameSoundRef> Sounds;  // in loading order; never removed

  int Count() const { return static_cast<int>(Sounds.size()); }
  int SetPath(const std::string& path);
  int Load(const std::string& file, float pitch, float volume, const std::string& name, int flags);
  // The first sound loaded under `name` (any case). A missing name is fatal while ShowErrors is set
  // ("Sound '" + NAME + "' was not found in the SoundBank"); otherwise null.
  TGameSoundRef Find(const std::string& name) const;
};
