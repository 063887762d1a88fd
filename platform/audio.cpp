#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <SDL.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>

#include "platform/audio_internal.h"
#include "platform/files.h"
#include "platform/image_internal.h"
#include "platform/system.h"

namespace platform {

namespace {

constexpr std::size_t kLogLimit = 20000;  // a silent game session must not grow the log forever

// Ogg sounds whose decoded samples would take more than this stream from their file (music and
// the long ambience loops); shorter ones are decoded whole into one OpenAL buffer.
constexpr std::size_t kStreamAbove = 2u << 20;
// A playing stream keeps this many buffers of this many sample frames queued (about 0.75 s at
// 44.1 kHz), refilled by the streaming thread every kStreamTick.
constexpr int kStreamBuffers = 4;
constexpr std::size_t kStreamBufferFrames = 8192;
constexpr auto kStreamTick = std::chrono::milliseconds(20);

class SoundImpl;
struct StreamVoice;

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
  bool loopback = false;  // the device mixes into memory (tests), nothing refills streams by itself
  int generation = 0;  // grows when a device opens, so buffers of an earlier one are known stale
  std::vector<AudioRecord> log;
  bool headless_fails = false;  // headless: AudioOpen fails as without a device
  std::size_t stream_above = kStreamAbove;
  long long decoded_max = kWavDecodedMaxBytes;  // what a sound decoded whole may take

  // Streams playing; guarded by `mutex`, which the streaming thread and the channels share.
  std::mutex mutex;
  std::vector<std::shared_ptr<StreamVoice>> streams;
  std::thread streamer;
  std::condition_variable wake;
  bool stop_streamer = false;

  AudioState() = default;
  AudioState(const AudioState&) = delete;
  AudioState& operator=(const AudioState&) = delete;
  // A program that ends without closing the audio still ends its streaming thread.
  ~AudioState() {
    if (!streamer.joinable()) return;
    {
      std::lock_guard<std::mutex> lock(mutex);
      stop_streamer = true;
    }
    wake.notify_all();
    streamer.join();
  }
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
  std::int64_t long_frames = 0;  // a sound too long to decode whole: its length, and no samples
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

// "" when `decoded` bytes of samples may be decoded whole, else the reason it may not (`at_least`:
// the decoding stopped there, the sound is longer).
std::string DecodedFault(long long decoded, bool at_least = false) {
  const long long most = Audio().decoded_max;
  if (decoded <= most) return "";
  return std::string("it decodes to ") + (at_least ? "at least " : "") + std::to_string(decoded) +
         " bytes of samples, more than the " + std::to_string(most) +
         " a sound decoded whole may take";
}

// Decodes Ogg Vorbis bytes whole, unless their length says the samples would take more than
// `limit` bytes: then only the sound's shape is read (`long_frames`). The length in the last page
// may understate the sound, so the decoding stops as soon as the samples pass what a sound decoded
// whole may take, and `refused` says so.
bool DecodeOgg(const std::vector<unsigned char>& bytes, Pcm* pcm, std::uint64_t limit,
               std::string* refused) {
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
  const ogg_int64_t frames = ov_pcm_total(&vf, -1);
  if (frames > 0 && static_cast<std::uint64_t>(frames) * static_cast<std::uint64_t>(info->channels) * 2 > limit) {
    pcm->long_frames = frames;
    ov_clear(&vf);
    return true;
  }
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
    if (std::string fault = DecodedFault(static_cast<long long>(pcm->samples.size() * 2), true);
        !fault.empty()) {
      if (refused != nullptr) *refused = std::move(fault);
      pcm->samples = {};
      ok = false;
      break;
    }
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

std::uint32_t LittleEndian(const unsigned char* b, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[i];
  return v;
}

// The bytes of 16-bit samples a WAV decodes to, before its channels are reduced to two: its data
// chunk's size scaled from the stored sample size (4-bit ADPCM grows four times, 8-bit samples
// twice), as its chunk headers claim. -1 when its "fmt " or "data" chunk is not found.
long long WavDecodedBytes(const std::vector<unsigned char>& bytes) {
  const auto read_at = [&bytes](std::uint64_t at, unsigned char* out, std::size_t n) {
    if (at > bytes.size() || bytes.size() - at < n) return false;
    std::memcpy(out, bytes.data() + at, n);
    return true;
  };
  unsigned char head[16];
  if (!read_at(0, head, 12) || std::memcmp(head, "RIFF", 4) != 0) return -1;
  std::uint64_t at = 12;
  int bits = -1;
  long long data = -1;
  while (at + 8 <= bytes.size() && (bits < 0 || data < 0)) {
    if (!read_at(at, head, 8)) return -1;
    const std::uint32_t chunk = LittleEndian(head + 4, 4);
    if (std::memcmp(head, "fmt ", 4) == 0 && chunk >= 16 && read_at(at + 8, head, 16)) {
      bits = static_cast<int>(LittleEndian(head + 14, 2));
    } else if (std::memcmp(head, "data", 4) == 0) {
      data = chunk;
    }
    at += 8 + std::uint64_t{chunk} + (chunk & 1);
  }
  if (bits < 0 || data < 0) return -1;
  return data * 16 / std::max(bits, 4);
}

bool DecodeWav(const std::vector<unsigned char>& bytes, Pcm* pcm, std::string* refused) {
  // SDL allocates the whole decoded sound at once: a long one is refused before that.
  if (std::string fault = DecodedFault(WavDecodedBytes(bytes)); !fault.empty()) {
    if (refused != nullptr) *refused = std::move(fault);
    return false;
  }
  if (!WavChunksFit(bytes)) return false;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (rw == nullptr) return false;
  SDL_AudioSpec wav_format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  // The stream is closed by SDL whether it decodes or not; the samples it decoded are freed on
  // every way out, an allocation failing below included.
  if (SDL_LoadWAV_RW(rw, 1, &wav_format, &data, &length) == nullptr) return false;
  std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> decoded(data, &SDL_FreeWAV);
  // An empty data chunk decodes to no samples (and SDL may give no buffer for it): no sound.
  if (decoded == nullptr || length == 0) return false;
  const Uint8 channels = std::min<Uint8>(wav_format.channels, 2);
  SDL_AudioCVT cvt;
  const int built = SDL_BuildAudioCVT(&cvt, wav_format.format, wav_format.channels, wav_format.freq, AUDIO_S16LSB,
                                      channels, wav_format.freq);
  if (built < 0) return false;
  std::vector<Uint8> work(static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
  std::memcpy(work.data(), decoded.get(), length);
  decoded.reset();
  cvt.buf = work.data();
  cvt.len = static_cast<int>(length);
  if (built > 0 && SDL_ConvertAudio(&cvt) != 0) return false;
  const int out_len = built > 0 ? cvt.len_cvt : static_cast<int>(length);
  // Less than one whole sample after the conversion (a byte or two of many channels): no sound.
  if (out_len < 2) return false;
  pcm->channels = channels;
  pcm->rate = wav_format.freq;
  pcm->samples.resize(static_cast<std::size_t>(out_len) / 2);
  std::memcpy(pcm->samples.data(), work.data(), pcm->samples.size() * 2);
  return pcm->rate > 0;
}

// The most a sound file of the kind its name says may hold.
long long SoundFileMaxBytes(const std::string& path) {
  const bool wav = path.size() >= 4 && EqualsNoCase(path.substr(path.size() - 4), ".wav");
  return wav ? kWavFileMaxBytes : kOggFileMaxBytes;
}

// Decodes a whole sound file (Ogg Vorbis or WAV, told apart by signature) from its bytes, read
// within the bound of its kind. `refused` gets the reason a file that is there was refused.
bool DecodeFile(const std::string& path, Pcm* pcm, std::uint64_t ogg_limit = UINT64_MAX,
                std::string* refused = nullptr) {
  const BoundedRead file = ReadBoundedFile(path, SoundFileMaxBytes(path));
  if (!file.Read()) {
    if (file.Refused() && refused != nullptr) *refused = file.reason;
    return false;
  }
  const std::vector<unsigned char>& bytes = file.bytes;
  if (bytes.size() < 4) return false;
  if (std::memcmp(bytes.data(), "OggS", 4) == 0) return DecodeOgg(bytes, pcm, ogg_limit, refused);
  if (std::memcmp(bytes.data(), "RIFF", 4) == 0) return DecodeWav(bytes, pcm, refused);
  return false;
}

ALenum AlFormat(int channels) { return channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16; }

// ---- streaming ------------------------------------------------------------------------------

// Reads an Ogg Vorbis file's samples (16-bit, interleaved) in order from its start.
class OggReader {
 public:
  OggReader() = default;
  ~OggReader() { Close(); }
  OggReader(const OggReader&) = delete;
  OggReader& operator=(const OggReader&) = delete;

  // False when the file is not a plain file, not Ogg Vorbis of one or two channels, or its length
  // is unknown. Opened as every file read whole is, so what stands at its name is never waited on.
  bool Open(const std::string& real_path) {
    Close();
    const int fd = OpenPlainFile(real_path);
    if (fd < 0) return false;
    FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
      ::close(fd);
      return false;
    }
    // On success the reader owns the file and closes it in ov_clear.
    if (ov_open_callbacks(file, &vf_, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
      std::fclose(file);
      return false;
    }
    open_ = true;
    const vorbis_info* info = ov_info(&vf_, -1);
    const ogg_int64_t frames = ov_pcm_total(&vf_, -1);
    if (info == nullptr || info->channels < 1 || info->channels > 2 || info->rate <= 0 || frames <= 0) {
      Close();
      return false;
    }
    channels_ = info->channels;
    rate_ = static_cast<int>(info->rate);
    frames_ = frames;
    return true;
  }
  void Close() {
    if (open_) ov_clear(&vf_);
    open_ = false;
  }
  int Channels() const { return channels_; }
  int Rate() const { return rate_; }
  ogg_int64_t Frames() const { return frames_; }
  bool Failed() const { return failed_; }

  // Reads up to `count` samples; fewer only at the end of the file or on damaged data.
  std::size_t Read(std::int16_t* out, std::size_t count) {
    std::size_t got = 0;
    int section = 0;
    while (open_ && !failed_ && got < count) {
      const long n = ov_read(&vf_, reinterpret_cast<char*>(out + got),
                             static_cast<int>(std::min<std::size_t>(count - got, 4096) * 2), 0, 2, 1, &section);
      if (n == 0) break;
      if (n == OV_HOLE) continue;  // a gap in the data: skip it
      if (n < 0) {
        failed_ = true;
        break;
      }
      got += static_cast<std::size_t>(n) / 2;
    }
    return got;
  }
  // Back to the first sample.
  bool Rewind() { return open_ && !failed_ && ov_pcm_seek(&vf_, 0) == 0; }

 private:
  OggVorbis_File vf_{};
  bool open_ = false;
  bool failed_ = false;
  int channels_ = 0, rate_ = 0;
  ogg_int64_t frames_ = 0;
};

// A streamed sound playing on a channel's source: the file read a buffer at a time into a queue
// the streaming thread keeps full. Every field is guarded by the audio state's mutex.
struct StreamVoice {
  ALuint source = 0;
  ALuint buffers[kStreamBuffers] = {};
  OggReader reader;
  std::string path;
  bool loops = false;
  bool paused = false;
  bool at_end = false;    // every sample has been queued (or the file could not be read further)
  bool detached = false;  // its channel was let go: the voice deletes the source when it ends
  bool dead = false;      // torn down (stopped, or the device closed)
  std::vector<std::int16_t> scratch;

  // Fills `buffer` with the next samples (from the start again at the end of a loop). False when
  // nothing was left to fill it with.
  bool Fill(ALuint buffer) {
    const std::size_t want = kStreamBufferFrames * static_cast<std::size_t>(reader.Channels());
    scratch.resize(want);
    std::size_t got = reader.Read(scratch.data(), want);
    while (got < want && loops && !reader.Failed()) {
      if (!reader.Rewind()) break;
      const std::size_t more = reader.Read(scratch.data() + got, want - got);
      if (more == 0) break;
      got += more;
    }
    if (reader.Failed()) {
      std::cerr << "Cannot decode sound \"" << path << "\" past " << got << " samples of a buffer" << std::endl;
    }
    if (got < want) at_end = true;
    if (got == 0) return false;
    alBufferData(buffer, AlFormat(reader.Channels()), scratch.data(), static_cast<ALsizei>(got * 2),
                 reader.Rate());
    return true;
  }

  // Starts the queue: every buffer filled and queued.
  void Start() {
    alSourcei(source, AL_BUFFER, 0);
    alSourcei(source, AL_LOOPING, AL_FALSE);  // a looping stream starts its file again itself
    for (const ALuint buffer : buffers) {
      if (!Fill(buffer)) break;
      alSourceQueueBuffers(source, 1, &buffer);
    }
    if (!paused) alSourcePlay(source);
  }

  // Refills and queues again the buffers played; starts the source again if it ran dry.
  void Pump() {
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
      ALuint buffer = 0;
      alSourceUnqueueBuffers(source, 1, &buffer);
      if (!at_end && Fill(buffer)) alSourceQueueBuffers(source, 1, &buffer);
    }
    ALint queued = 0, state = AL_STOPPED;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state == AL_STOPPED && !paused && queued > 0 && !at_end) alSourcePlay(source);
  }

  // Playing or paused, or run dry with more to come.
  bool Sounding() const {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING || state == AL_PAUSED || !at_end;
  }

  // Stops the source and frees the buffers (and the source too when `with_source`).
  void TearDown(bool with_source) {
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    alDeleteBuffers(kStreamBuffers, buffers);
    if (with_source) alDeleteSources(1, &source);
    reader.Close();
    dead = true;
  }
};

// Refills every stream, and ends let-go streams that have finished. The caller holds the mutex.
void PumpStreamsLocked() {
  auto& streams = Audio().streams;
  for (auto it = streams.begin(); it != streams.end();) {
    StreamVoice& voice = **it;
    voice.Pump();
    if (voice.detached && !voice.Sounding()) {
      voice.TearDown(true);
      it = streams.erase(it);
    } else {
      ++it;
    }
  }
}

void StreamerLoop() {
  auto& a = Audio();
  std::unique_lock<std::mutex> lock(a.mutex);
  while (!a.stop_streamer) {
    PumpStreamsLocked();
    // With nothing to stream the thread sleeps until a stream starts.
    if (a.streams.empty()) {
      a.wake.wait(lock);
    } else {
      a.wake.wait_for(lock, kStreamTick);
    }
  }
}

// Starts the streaming thread if it is not running, or wakes it for a new stream (the caller holds
// the mutex).
void StartStreamerLocked() {
  auto& a = Audio();
  if (a.loopback) return;
  if (a.streamer.joinable()) {
    a.wake.notify_all();
    return;
  }
  a.stop_streamer = false;
  a.streamer = std::thread(StreamerLoop);
}

// Stops the streaming thread and tears every stream down (before the device goes).
void EndStreams() {
  auto& a = Audio();
  {
    std::lock_guard<std::mutex> lock(a.mutex);
    a.stop_streamer = true;
  }
  a.wake.notify_all();
  if (a.streamer.joinable()) a.streamer.join();
  std::lock_guard<std::mutex> lock(a.mutex);
  for (const auto& voice : a.streams) voice->TearDown(voice->detached);
  a.streams.clear();
}

// ---- sounds and channels --------------------------------------------------------------------

// What is known of a sound without holding its samples.
struct SoundShape {
  int channels = 0;
  int rate = 0;
  std::int64_t frames = 0;
};

class SoundImpl;

// The sounds alive by their address, kept bit-inverted: held as it is, an address would let the
// leak checker see a sound that nothing else holds as reachable, and one lost without being freed
// would not be reported at exit.
std::uintptr_t KeyOf(const SoundImpl* sound) { return ~reinterpret_cast<std::uintptr_t>(sound); }
const SoundImpl* SoundAt(std::uintptr_t key) { return reinterpret_cast<const SoundImpl*>(~key); }

std::unordered_set<std::uintptr_t>& LiveSounds() {
  // Never freed: sounds held by globals are destroyed after every function-local static.
  static auto* sounds = new std::unordered_set<std::uintptr_t>();
  return *sounds;
}

// A sound holds no samples of its own: a short one is decoded from its file into an OpenAL buffer
// when it first plays (again for a new device), a long Ogg one streams from its file on each channel.
class SoundImpl final : public Sound {
 public:
  SoundImpl(std::string path, bool loops, SoundShape shape, bool streamed)
      : path_(std::move(path)), loops_(loops), shape_(shape), streamed_(streamed) {
    LiveSounds().insert(KeyOf(this));
  }
  ~SoundImpl() override {
    LiveSounds().erase(KeyOf(this));
    if (buffer_ != 0 && generation_ == Audio().generation && Live()) alDeleteBuffers(1, &buffer_);
  }
  SoundImpl(const SoundImpl&) = delete;
  SoundImpl& operator=(const SoundImpl&) = delete;

  const std::string& Path() const override { return path_; }
  bool Loops() const override { return loops_; }
  double LengthSeconds() const override {
    if (shape_.channels <= 0 || shape_.rate <= 0) return 0.0;
    return static_cast<double>(shape_.frames) / shape_.rate;
  }
  bool Streamed() const { return streamed_; }
  long long SampleBytes() const { return shape_.frames * shape_.channels * 2; }
  bool HasBuffer() const { return buffer_ != 0 && generation_ == Audio().generation && Live(); }

  // The OpenAL buffer of the current device (0 when there is none, or for a streamed sound),
  // decoded from the file the first time.
  ALuint Buffer() {
    if (!Live() || streamed_) return 0;
    if (HasBuffer()) return buffer_;
    buffer_ = 0;
    Pcm decoded;
    if (!DecodeFile(path_, &decoded)) {
      std::cerr << "Cannot decode sound \"" << path_ << "\" again" << std::endl;
      return 0;
    }
    const Pcm* pcm = &decoded;
    alGetError();
    alGenBuffers(1, &buffer_);
    if (alGetError() != AL_NO_ERROR) {
      buffer_ = 0;
      return 0;
    }
    alBufferData(buffer_, AlFormat(pcm->channels), pcm->samples.data(),
                 static_cast<ALsizei>(pcm->samples.size() * 2), pcm->rate);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteBuffers(1, &buffer_);
      buffer_ = 0;
      return 0;
    }
    generation_ = Audio().generation;
    return buffer_;
  }

  // A voice streaming this sound from its start on `source` (nullptr when the file cannot be
  // opened any more).
  std::shared_ptr<StreamVoice> NewVoice(ALuint source) const {
    auto voice = std::make_shared<StreamVoice>();
    if (!voice->reader.Open(path_)) {
      std::cerr << "Cannot stream sound \"" << path_ << "\"" << std::endl;
      return nullptr;
    }
    voice->source = source;
    voice->path = path_;
    voice->loops = loops_;
    alGetError();
    alGenBuffers(kStreamBuffers, voice->buffers);
    if (alGetError() != AL_NO_ERROR) return nullptr;
    return voice;
  }

 private:
  std::string path_;
  bool loops_;
  SoundShape shape_;
  bool streamed_;
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
    if (voice_) {
      auto& a = Audio();
      std::lock_guard<std::mutex> lock(a.mutex);
      if (!voice_->dead && !voice_->loops && !paused_ && voice_->Sounding()) {
        voice_->detached = true;  // the voice now owns the source
        return;
      }
      if (!voice_->dead) {
        voice_->TearDown(true);
        a.streams.erase(std::find(a.streams.begin(), a.streams.end(), voice_));
        return;
      }
    }
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
      ApplyGain();
      ApplyPan();
      ApplyRate();
      if (sound_->Streamed()) {
        voice_ = sound_->NewVoice(source);
        if (voice_) {
          auto& a = Audio();
          std::lock_guard<std::mutex> lock(a.mutex);
          voice_->paused = paused;
          voice_->Start();
          a.streams.push_back(voice_);
          StartStreamerLocked();
        }
        return;
      }
      const ALuint buffer = sound_->Buffer();
      alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
      alSourcei(source, AL_LOOPING, sound_->Loops() ? AL_TRUE : AL_FALSE);
      if (!paused && buffer != 0) alSourcePlay(source);
    }
  }

  void Stop() override {
    if (active_) Record("stop", sound_ ? BaseName(sound_->Path()) : std::string());
    active_ = false;
    paused_ = false;
    if (voice_) {
      auto& a = Audio();
      std::lock_guard<std::mutex> lock(a.mutex);
      if (!voice_->dead) {
        voice_->TearDown(false);
        a.streams.erase(std::find(a.streams.begin(), a.streams.end(), voice_));
      }
      voice_.reset();
    }
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
    if (!LiveSource()) return;
    std::lock_guard<std::mutex> lock(Audio().mutex);
    if (voice_) voice_->paused = true;
    alSourcePause(source_);
  }

  void Resume() override {
    if (!active_ || !paused_) return;
    Record("resume", sound_ ? BaseName(sound_->Path()) : std::string());
    paused_ = false;
    started_ms_ += Millisecs() - paused_at_ms_;  // paused time does not count as played
    if (!LiveSource()) return;
    std::lock_guard<std::mutex> lock(Audio().mutex);
    if (voice_) voice_->paused = false;
    alSourcePlay(source_);
  }

  bool Playing() const override {
    if (!active_ || !sound_) return false;
    if (paused_) return true;
    if (LiveSource() && sound_->Streamed()) {
      std::lock_guard<std::mutex> lock(Audio().mutex);
      return voice_ && !voice_->dead && voice_->Sounding();
    }
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
  std::shared_ptr<StreamVoice> voice_;  // the stream of a streamed sound on a live device
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

// The device's context made current; false (and nothing kept) when it cannot be.
bool UseDevice(ALCdevice* device, const ALCint* attributes) {
  auto& a = Audio();
  a.device = device;
  a.context = alcCreateContext(a.device, attributes);
  if (a.context != nullptr && alcMakeContextCurrent(a.context) == ALC_TRUE) {
    ++a.generation;
    return true;
  }
  if (a.context != nullptr) alcDestroyContext(a.context);
  a.context = nullptr;
  alcCloseDevice(a.device);
  a.device = nullptr;
  return false;
}

}  // namespace

bool AudioOpen(const std::string& driver, std::string* error) {
  AudioClose();
  auto& a = Audio();
  if (driver == "None") return true;
  if (IsHeadless()) {
    if (!a.headless_fails) return true;
  } else {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device != nullptr && UseDevice(device, nullptr)) return true;
  }
  const std::string message = "No audio device could be opened; the game runs without sound.";
  std::cerr << "Warning: " << message << std::endl;
  if (error) *error = message;
  return false;
}

void SetHeadlessAudioFails(bool fails) { Audio().headless_fails = fails; }

void AudioClose() {
  auto& a = Audio();
  if (a.context != nullptr) {
    EndStreams();
    ReapDetached(true);
  }
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
  a.loopback = false;
  ++a.generation;
}

bool AudioIsSilent() { return !Live(); }

std::vector<std::string> AudioDrivers() {
  return {"FreeAudio", "OpenAL Generic Software", "DirectSound", "None"};
}

SoundRef LoadSound(const std::string& path, int flags, std::string* refused) {
  Pcm pcm;
  std::string fault;
  if (!DecodeFile(path, &pcm, Audio().stream_above, &fault)) {
    if (!fault.empty()) {
      std::cerr << "Cannot load sound \"" << path << "\": " << fault << std::endl;
    } else if (FileExists(path)) {
      std::cerr << "Cannot decode sound \"" << path << "\"" << std::endl;
    }
    if (refused != nullptr) *refused = fault;
    return nullptr;
  }
  const std::string real = ResolvePath(path);
  const bool loops = (flags & SOUND_LOOP) != 0;
  const bool streamed = pcm.long_frames > 0;
  const SoundShape shape{pcm.channels, pcm.rate,
                         streamed ? pcm.long_frames
                                  : static_cast<std::int64_t>(pcm.samples.size() / static_cast<std::size_t>(pcm.channels))};
  // The samples were decoded to check the file and learn its length; they go with `pcm`. A short
  // sound is decoded again into its OpenAL buffer when it first plays, so the many sounds a
  // session never plays hold no memory.
  auto sound = std::make_shared<SoundImpl>(real, loops, shape, streamed);
  Record("load", BaseName(real));
  return sound;
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

// ---- detail ---------------------------------------------------------------------------------

namespace platform::detail {

void SetStreamAbove(std::size_t bytes) { Audio().stream_above = bytes; }
std::size_t StreamAbove() { return Audio().stream_above; }
void SetDecodedMaxBytes(long long bytes) { Audio().decoded_max = bytes; }
long long DecodedMaxBytes() { return Audio().decoded_max; }

bool IsStreamed(const SoundRef& sound) {
  const auto* impl = dynamic_cast<const SoundImpl*>(sound.get());
  return impl != nullptr && impl->Streamed();
}

SoundMemory HeldBySounds() {
  SoundMemory held;
  for (const std::uintptr_t key : LiveSounds()) {
    const SoundImpl* sound = SoundAt(key);
    ++held.sounds;
    if (sound->Streamed()) ++held.streamed;
    if (sound->HasBuffer()) held.openal_bytes += sound->SampleBytes();
  }
  auto& a = Audio();
  std::lock_guard<std::mutex> lock(a.mutex);
  for (const auto& voice : a.streams) {
    ++held.streams_playing;
    held.stream_bytes += static_cast<long long>(kStreamBuffers * kStreamBufferFrames) * voice->reader.Channels() * 2;
  }
  return held;
}

bool AudioOpenLoopback(int rate) {
  AudioClose();
  if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") != ALC_TRUE) return false;
  const auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  if (open == nullptr) return false;
  ALCdevice* device = open(nullptr);
  if (device == nullptr) return false;
  const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                               ALC_FREQUENCY, rate, 0};
  if (!UseDevice(device, attributes)) return false;
  Audio().loopback = true;
  return true;
}

std::vector<float> RenderLoopback(int frames, bool refill) {
  auto& a = Audio();
  std::vector<float> out;
  if (!a.loopback || a.device == nullptr) return out;
  const auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(a.device, "alcRenderSamplesSOFT"));
  if (render == nullptr) return out;
  out.resize(static_cast<std::size_t>(std::max(frames, 0)) * 2);
  constexpr int kChunk = 512;  // well under one stream buffer, so no queue runs dry between refills
  for (int done = 0; done < frames; done += kChunk) {
    if (refill) {
      std::lock_guard<std::mutex> lock(a.mutex);
      PumpStreamsLocked();
    }
    render(a.device, out.data() + static_cast<std::size_t>(done) * 2, std::min(kChunk, frames - done));
  }
  return out;
}

std::vector<std::int16_t> ReadStreamOnce(const SoundRef& sound) {
  std::vector<std::int16_t> samples;
  const auto* impl = dynamic_cast<const SoundImpl*>(sound.get());
  if (impl == nullptr || !impl->Streamed()) return samples;
  OggReader reader;
  if (!reader.Open(impl->Path())) return samples;
  std::vector<std::int16_t> block(kStreamBufferFrames * static_cast<std::size_t>(reader.Channels()));
  for (;;) {
    const std::size_t got = reader.Read(block.data(), block.size());
    samples.insert(samples.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
    if (got < block.size()) break;
  }
  return samples;
}

void PrintMemoryHeld() {
  const ImageMemory images = HeldByImages();
  const SoundMemory sounds = HeldBySounds();
  auto mb = [](long long bytes) { return std::to_string(static_cast<double>(bytes) / (1024.0 * 1024.0)).substr(0, 5) + " MB"; };
  std::cerr << "held: pictures " << images.images << " (" << images.frames << " frames, "
            << images.frames_with_pixels << " with their own pixels): pixels " << mb(images.pixel_bytes)
            << ", renderer textures " << mb(images.texture_bytes) << "\n"
            << "held: sounds " << sounds.sounds << " (" << sounds.streamed << " streamed): OpenAL buffers "
            << mb(sounds.openal_bytes) << ", " << sounds.streams_playing << " streams playing with "
            << mb(sounds.stream_bytes) << " queued\n";
  for (const std::string& line : LargestHolders(10, false)) std::cerr << "held: pixels of " << line << "\n";
  for (const std::string& line : LargestHolders(40, true)) std::cerr << "held: texture of " << line << "\n";
  std::cerr << std::flush;
}

}  // namespace platform::detail
