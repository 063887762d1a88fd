#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>

#include "platform/files.h"
#include "platform/system.h"

namespace platform {

namespace {

constexpr std::size_t kLogLimit = 20000;  // a silent game session must not grow the log forever

class SoundImpl;

// A voice whose channel was let go while its sound still played: it plays to its end, then the
// source is deleted. Holding the sound keeps its buffer alive until then.
struct DetachedVoice {
  ALuint source;
  std::shared_ptr<SoundImpl> sound;
};

struct AudioState {
  std::vector<DetachedVoice> detached;
  ALCdevice* device = nullptr;
  ALCcontext* context = nullptr;
  int generation = 0;  // grows when a device opens, so buffers of an earlier one are known stale
  std::vector<AudioRecord> log;
  bool headless_fails = false;  // headless: AudioOpen fails as without a device
};

AudioState& Audio() {
  static AudioState state;
  return state;
}

bool Live() { return Audio().context != nullptr; }

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Record(const std::string& what, const std::string& sound, float value = 0) {
  if (Live()) return;
  auto& log = Audio().log;
  if (log.size() >= kLogLimit) log.erase(log.begin(), log.begin() + kLogLimit / 2);
  log.push_back(AudioRecord{what, sound, value});
}

struct Pcm {
  std::vector<std::int16_t> samples;  // interleaved
  int channels = 0;
  int rate = 0;
};

// ---- decoding -------------------------------------------------------------------------------

struct MemoryFile {
  const std::vector<unsigned char>* bytes;
  std::size_t pos;
};

size_t MemRead(void* ptr, size_t size, size_t nmemb, void* source) {
  auto* f = static_cast<MemoryFile*>(source);
  if (size == 0) return 0;
  const std::size_t left = f->bytes->size() - f->pos;
  const std::size_t n = std::min(nmemb, left / size);
  std::memcpy(ptr, f->bytes->data() + f->pos, n * size);
  f->pos += n * size;
  return n;
}

int MemSeek(void* source, ogg_int64_t offset, int whence) {
  auto* f = static_cast<MemoryFile*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(f->pos);
  if (whence == SEEK_END) base = static_cast<ogg_int64_t>(f->bytes->size());
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(f->bytes->size())) return -1;
  f->pos = static_cast<std::size_t>(target);
  return 0;
}

int MemClose(void* /*source*/) { return 0; }
long MemTell(void* source) { return static_cast<long>(static_cast<MemoryFile*>(source)->pos); }

bool DecodeOgg(const std::vector<unsigned char>& bytes, Pcm* pcm) {
  MemoryFile file{&bytes, 0};
  OggVorbis_File vf;
  const ov_callbacks callbacks{MemRead, MemSeek, MemClose, MemTell};
  if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0) return false;
  const vorbis_info* info = ov_info(&vf, -1);
  if (info == nullptr || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
    ov_clear(&vf);
    return false;
  }
  pcm->channels = info->channels;
  pcm->rate = static_cast<int>(info->rate);
  char buffer[8192];
  int section = 0;
  bool ok = true;
  for (;;) {
    const long n = ov_read(&vf, buffer, sizeof(buffer), 0, 2, 1, &section);
    if (n == 0) break;
    if (n == OV_HOLE) continue;  // a gap in the data: skip it
    if (n < 0) {
      ok = false;
      break;
    }
    const std::size_t old = pcm->samples.size();
    pcm->samples.resize(old + static_cast<std::size_t>(n) / 2);
    std::memcpy(pcm->samples.data() + old, buffer, static_cast<std::size_t>(n) / 2 * 2);
  }
  ov_clear(&vf);
  return ok && !pcm->samples.empty();
}

// Whether every chunk of a RIFF file fits in the file. SDL's reader allocates what a chunk header
// claims before reading it, so a damaged header of a few bytes could ask for gigabytes.
bool WavChunksFit(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 12) return false;
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::uint32_t size = static_cast<std::uint32_t>(bytes[at + 4]) |
                               static_cast<std::uint32_t>(bytes[at + 5]) << 8 |
                               static_cast<std::uint32_t>(bytes[at + 6]) << 16 |
                               static_cast<std::uint32_t>(bytes[at + 7]) << 24;
    at += 8;
    if (size > bytes.size() - at) return false;
    at += size + (size & 1);  // chunks are padded to an even length
    if (at > bytes.size()) break;  // a missing last pad byte is harmless
  }
  return true;
}

bool DecodeWav(const std::vector<unsigned char>& bytes, Pcm* pcm) {
  if (!WavChunksFit(bytes)) return false;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (rw == nullptr) return false;
  SDL_AudioSpec wav_format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(rw, 1, &wav_format, &data, &length) == nullptr) return false;
  const Uint8 channels = std::min<Uint8>(wav_format.channels, 2);
  SDL_AudioCVT cvt;
  const int built = SDL_BuildAudioCVT(&cvt, wav_format.format, wav_format.channels, wav_format.freq, AUDIO_S16LSB,
                                      channels, wav_format.freq);
  if (built < 0) {
    SDL_FreeWAV(data);
    return false;
  }
  std::vector<Uint8> work(static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
  std::memcpy(work.data(), data, length);
  SDL_FreeWAV(data);
  cvt.buf = work.data();
  cvt.len = static_cast<int>(length);
  if (built > 0 && SDL_ConvertAudio(&cvt) != 0) return false;
  const int out_len = built > 0 ? cvt.len_cvt : static_cast<int>(length);
  pcm->channels = channels;
  pcm->rate = wav_format.freq;
  pcm->samples.resize(static_cast<std::size_t>(out_len) / 2);
  std::memcpy(pcm->samples.data(), work.data(), pcm->samples.size() * 2);
  return !pcm->samples.empty() && pcm->rate > 0;
}

// ---- sounds and channels --------------------------------------------------------------------

class SoundImpl final : public Sound {
 public:
  SoundImpl(std::string path, bool loops, Pcm pcm) : path_(std::move(path)), loops_(loops), pcm_(std::move(pcm)) {}
  ~SoundImpl() override {
    if (buffer_ != 0 && generation_ == Audio().generation && Live()) alDeleteBuffers(1, &buffer_);
  }
  SoundImpl(const SoundImpl&) = delete;
  SoundImpl& operator=(const SoundImpl&) = delete;

  const std::string& Path() const override { return path_; }
  bool Loops() const override { return loops_; }
  double LengthSeconds() const override {
    if (pcm_.channels <= 0 || pcm_.rate <= 0) return 0.0;
    return static_cast<double>(pcm_.samples.size()) / pcm_.channels / pcm_.rate;
  }
  int Channels() const { return pcm_.channels; }

  // The OpenAL buffer of the current device, made on first use (0 when there is none).
  ALuint Buffer() {
    if (!Live()) return 0;
    if (buffer_ != 0 && generation_ == Audio().generation) return buffer_;
    buffer_ = 0;
    alGetError();
    alGenBuffers(1, &buffer_);
    if (alGetError() != AL_NO_ERROR) {
      buffer_ = 0;
      return 0;
    }
    alBufferData(buffer_, pcm_.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm_.samples.data(),
                 static_cast<ALsizei>(pcm_.samples.size() * 2), pcm_.rate);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteBuffers(1, &buffer_);
      buffer_ = 0;
      return 0;
    }
    generation_ = Audio().generation;
    return buffer_;
  }

 private:
  std::string path_;
  bool loops_;
  Pcm pcm_;
  ALuint buffer_ = 0;
  int generation_ = -1;
};

class ChannelImpl final : public Channel {
 public:
  ChannelImpl() = default;
  ~ChannelImpl() override {
    if (!LiveSource()) return;
    // Like a fire-and-forget sound, a one-shot sound whose channel is dropped plays to its end; a
    // looping one would never end and nobody could stop it, so it stops now.
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING && sound_ && !sound_->Loops()) {
      Audio().detached.push_back(DetachedVoice{source_, sound_});
      return;
    }
    alSourceStop(source_);
    alDeleteSources(1, &source_);
  }
  ChannelImpl(const ChannelImpl&) = delete;
  ChannelImpl& operator=(const ChannelImpl&) = delete;

  void Play(const SoundRef& sound, bool paused) override {
    Stop();
    sound_ = std::dynamic_pointer_cast<SoundImpl>(sound);
    if (!sound_) return;
    Record(paused ? "cue" : "play", BaseName(sound_->Path()));
    active_ = true;
    paused_ = paused;
    started_ms_ = Millisecs();
    paused_at_ms_ = started_ms_;
    if (const ALuint source = Source(); source != 0) {
      const ALuint buffer = sound_->Buffer();
      alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
      alSourcei(source, AL_LOOPING, sound_->Loops() ? AL_TRUE : AL_FALSE);
      ApplyGain();
      ApplyPan();
      ApplyRate();
      if (!paused && buffer != 0) alSourcePlay(source);
    }
  }

  void Stop() override {
    if (active_) Record("stop", sound_ ? BaseName(sound_->Path()) : std::string());
    active_ = false;
    paused_ = false;
    if (source_ != 0 && generation_ == Audio().generation && Live()) {
      alSourceStop(source_);
      alSourcei(source_, AL_BUFFER, 0);
    }
  }

  void Pause() override {
    if (!active_ || paused_) return;
    Record("pause", sound_ ? BaseName(sound_->Path()) : std::string());
    paused_ = true;
    paused_at_ms_ = Millisecs();
    if (LiveSource()) alSourcePause(source_);
  }

  void Resume() override {
    if (!active_ || !paused_) return;
    Record("resume", sound_ ? BaseName(sound_->Path()) : std::string());
    paused_ = false;
    started_ms_ += Millisecs() - paused_at_ms_;  // paused time does not count as played
    if (LiveSource()) alSourcePlay(source_);
  }

  bool Playing() const override {
    if (!active_ || !sound_) return false;
    if (paused_) return true;
    if (LiveSource()) {
      ALint state = AL_STOPPED;
      alGetSourcei(source_, AL_SOURCE_STATE, &state);
      return state == AL_PLAYING || state == AL_PAUSED;
    }
    // Silent: the sound "plays" for its length on the layer's clock.
    if (sound_->Loops()) return true;
    const double played_ms = static_cast<double>(Millisecs() - started_ms_) / rate_;
    return played_ms < sound_->LengthSeconds() * 1000.0;
  }

  void SetVolume(float volume) override {
    volume_ = std::clamp(std::isnan(volume) ? 0.0f : volume, 0.0f, 1.0f);
    Record("volume", sound_ ? BaseName(sound_->Path()) : std::string(), volume_);
    ApplyGain();
  }
  float Volume() const override { return volume_; }

  void SetPan(float pan) override {
    pan_ = std::clamp(std::isnan(pan) ? 0.0f : pan, -1.0f, 1.0f);
    Record("pan", sound_ ? BaseName(sound_->Path()) : std::string(), pan_);
    ApplyPan();
  }

  void SetRate(float rate) override {
    rate_ = std::clamp(std::isnan(rate) ? 1.0f : rate, 0.01f, 8.0f);
    Record("rate", sound_ ? BaseName(sound_->Path()) : std::string(), rate_);
    ApplyRate();
  }

 private:
  bool LiveSource() const { return source_ != 0 && generation_ == Audio().generation && Live(); }

  ALuint Source() {
    if (!Live()) return 0;
    if (LiveSource()) return source_;
    source_ = 0;
    alGetError();
    alGenSources(1, &source_);
    if (alGetError() != AL_NO_ERROR) {
      source_ = 0;  // out of voices: this channel stays silent
      return 0;
    }
    generation_ = Audio().generation;
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(source_, AL_ROLLOFF_FACTOR, 0.0f);
    return source_;
  }

  void ApplyGain() {
    if (LiveSource()) alSourcef(source_, AL_GAIN, volume_);
  }
  void ApplyPan() {
    // Only mono sounds are placed; OpenAL plays stereo sounds as they are.
    if (LiveSource()) alSource3f(source_, AL_POSITION, pan_, 0.0f, -std::sqrt(1.0f - pan_ * pan_));
  }
  void ApplyRate() {
    if (LiveSource()) alSourcef(source_, AL_PITCH, rate_);
  }

  std::shared_ptr<SoundImpl> sound_;
  ALuint source_ = 0;
  int generation_ = -1;
  bool active_ = false;
  bool paused_ = false;
  std::int64_t started_ms_ = 0, paused_at_ms_ = 0;
  float volume_ = 1.0f, pan_ = 0.0f, rate_ = 1.0f;
};

// Deletes the sources of let-go voices that have finished (or all of them when `all`).
void ReapDetached(bool all) {
  auto& voices = Audio().detached;
  for (auto it = voices.begin(); it != voices.end();) {
    ALint state = AL_STOPPED;
    if (!all) alGetSourcei(it->source, AL_SOURCE_STATE, &state);
    if (all || state != AL_PLAYING) {
      alSourceStop(it->source);
      alDeleteSources(1, &it->source);
      it = voices.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace

bool AudioOpen(const std::string& driver, std::string* error) {
  AudioClose();
  auto& a = Audio();
  if (driver == "None") return true;
  if (IsHeadless()) {
    if (!a.headless_fails) return true;
  } else {
    a.device = alcOpenDevice(nullptr);
    if (a.device != nullptr) {
      a.context = alcCreateContext(a.device, nullptr);
      if (a.context != nullptr && alcMakeContextCurrent(a.context) == ALC_TRUE) {
        ++a.generation;
        return true;
      }
      if (a.context != nullptr) alcDestroyContext(a.context);
      a.context = nullptr;
      alcCloseDevice(a.device);
      a.device = nullptr;
    }
  }
  const std::string message = "No audio device could be opened; the game runs without sound.";
  std::cerr << "Warning: " << message << std::endl;
  if (error) *error = message;
  return false;
}

void SetHeadlessAudioFails(bool fails) { Audio().headless_fails = fails; }

void AudioClose() {
  auto& a = Audio();
  if (a.context != nullptr) ReapDetached(true);
  a.detached.clear();
  if (a.context != nullptr) {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(a.context);
    a.context = nullptr;
  }
  if (a.device != nullptr) {
    alcCloseDevice(a.device);
    a.device = nullptr;
  }
  ++a.generation;
}

bool AudioIsSilent() { return !Live(); }

std::vector<std::string> AudioDrivers() {
  return {"FreeAudio", "OpenAL Generic Software", "DirectSound", "None"};
}

SoundRef LoadSound(const std::string& path, int flags) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return nullptr;
  Pcm pcm;
  bool ok = false;
  if (bytes->size() >= 4 && std::memcmp(bytes->data(), "OggS", 4) == 0) {
    ok = DecodeOgg(*bytes, &pcm);
  } else if (bytes->size() >= 4 && std::memcmp(bytes->data(), "RIFF", 4) == 0) {
    ok = DecodeWav(*bytes, &pcm);
  }
  if (!ok) {
    std::cerr << "Cannot decode sound \"" << path << "\"" << std::endl;
    return nullptr;
  }
  const std::string real = ResolvePath(path);
  Record("load", BaseName(real));
  return std::make_shared<SoundImpl>(real, (flags & SOUND_LOOP) != 0, std::move(pcm));
}

ChannelRef AllocChannel() {
  if (Live()) ReapDetached(false);
  return std::make_shared<ChannelImpl>();
}

ChannelRef PlaySound(const SoundRef& sound) {
  auto channel = AllocChannel();
  channel->Play(sound);
  return channel;
}

const std::vector<AudioRecord>& AudioLog() { return Audio().log; }
void ClearAudioLog() { Audio().log.clear(); }

}  // namespace platform
