#pragma once
// The audio layer: sounds played on channels (voices) with volume, pan and playback rate. A short
// sound is decoded once into an OpenAL buffer and not kept otherwise; a long Ogg sound (music, the
// ambience loops) streams from its file on each channel that plays it. Real back-end: OpenAL Soft. Headless back-end (and the fall-back when no device
// opens): silent, and it records every call so tests can check what was played.

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Sound;
class Channel;
using SoundRef = std::shared_ptr<Sound>;
using ChannelRef = std::shared_ptr<Channel>;

enum SoundFlags : int {
  SOUND_LOOP = 1,  // plays until its channel is stopped
};

class Sound {
 public:
  virtual ~Sound() = default;
  virtual const std::string& Path() const = 0;  // the file it was loaded from, as found on disk
  virtual bool Loops() const = 0;
  virtual double LengthSeconds() const = 0;
};

class Channel {
 public:
  virtual ~Channel() = default;
  // Starts `sound` on this channel, stopping what it played. When `paused`, it is cued but silent
  // until Resume (so volume, pan and rate can be set first).
  virtual void Play(const SoundRef& sound, bool paused = false) = 0;
  virtual void Stop() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual bool Playing() const = 0;  // playing or paused-with-a-sound, not finished
  virtual void SetVolume(float volume) = 0;  // 0..1
  virtual float Volume() const = 0;
  virtual void SetPan(float pan) = 0;  // -1 left .. +1 right
  virtual void SetRate(float rate) = 0;  // 1 = normal speed and pitch
};

// Opens the output for `driver` (the settings' name: "FreeAudio", "OpenAL Generic Software",
// "DirectSound" all mean the system's OpenAL device; "None" means silent). Returns false (and the
// layer runs silent) when no device could be opened; the game keeps running.
bool AudioOpen(const std::string& driver, std::string* error);
void AudioClose();
// Headless only: makes every following AudioOpen (but for "None") fail as on a machine without an
// audio device, until switched back. Tests use it to check how the game carries on.
void SetHeadlessAudioFails(bool fails);
bool AudioIsSilent();
std::vector<std::string> AudioDrivers();

// The most a sound file may hold, and the most bytes of 16-bit samples a sound decoded whole may
// decode to (a WAV always is, an Ogg whose length says it is short is); a file past them is damaged
// and is refused. Each is about a hundred times the largest real one: the longest WAV (the studio
// splash's loop, 4 s of stereo at 44.1 kHz) holds and decodes to 0.7 MB, the largest Ogg file (an
// ambience loop, streamed) holds 1.4 MB. A short Ogg sound decodes whole to at most 2 MB; a longer
// one streams from its file. Which file bound applies is told by the name the caller gives: a
// ".wav" name is held to the WAV bound, any other to the Ogg bound.
constexpr long long kWavFileMaxBytes = 64ll << 20;
constexpr long long kWavDecodedMaxBytes = 64ll << 20;
constexpr long long kOggFileMaxBytes = 128ll << 20;
// Loads an Ogg Vorbis or WAV file (path resolved without regard to case; told apart by their
// signature), read within the bound of its kind (ReadBoundedFile) and decoded from those bytes.
// nullptr when the file is missing, cannot be decoded or is refused; when it is there but refused
// (not a plain file, it holds more than its bound, or it decodes to more than a sound decoded
// whole may take), `refused` gets the reason: "it is not a plain file", "it holds N bytes, more
// than the M such a file may hold", "it decodes to N bytes of samples, more than the M a sound
// decoded whole may take" (an Ogg's decoding stops as soon as it passes the bound: "at least N").
// In silent mode the file is still checked and decoded (a streamed one: its headers; damage further
// in ends its stream there, with a message).
SoundRef LoadSound(const std::string& path, int flags = 0, std::string* refused = nullptr);
ChannelRef AllocChannel();
// Plays on a new channel and returns it. A channel let go while a one-shot sound plays on it
// lets the sound play to its end; a looping sound stops with its last reference.
ChannelRef PlaySound(const SoundRef& sound);

// What the silent back-end saw, for tests: one line per call, e.g. "play NAME", "volume 0.40".
struct AudioRecord {
  std::string what;
  std::string sound;  // file name of the sound, if any
  float value = 0;
};
const std::vector<AudioRecord>& AudioLog();
void ClearAudioLog();

}  // namespace platform
