#include "tools/sounds/speech.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

#include "tools/sounds/codec.h"

namespace snd {

namespace {

// Runs `args` without a shell, feeding `input` on its standard input and collecting its standard
// output. False with a message when it cannot be started or does not exit with 0.
bool Run(const std::vector<std::string>& args, const std::string& input, std::vector<unsigned char>& output,
         std::string& error) {
  int in[2], out[2];
  if (pipe(in) != 0) {
    error = "cannot open a pipe to " + args[0];
    return false;
  }
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    error = "cannot open a pipe to " + args[0];
    return false;
  }
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) {
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    error = "cannot start " + args[0];
    return false;
  }
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    execvp(argv[0], const_cast<char* const*>(argv.data()));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  // The input is at most a line of text: it fits the pipe, so writing it all before reading cannot
  // block.
  std::size_t sent = 0;
  while (sent < input.size()) {
    const ssize_t n = write(in[1], input.data() + sent, input.size() - sent);
    if (n <= 0) break;
    sent += static_cast<std::size_t>(n);
  }
  close(in[1]);
  unsigned char chunk[65536];
  for (;;) {
    const ssize_t n = read(out[0], chunk, sizeof chunk);
    if (n <= 0) break;
    output.insert(output.end(), chunk, chunk + n);
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    error = args[0] + " failed (is it installed?)";
    return false;
  }
  return true;
}

// A Scheme string literal holding `text`.
std::string SchemeString(const std::string& text) {
  std::string s = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') s += '\\';
    s += c == '\n' ? ' ' : c;
  }
  return s + "\"";
}

// festival writes each wave to a file (its streamed WAV output leaves the sizes unset and repeats the
// header): one festival run of a script says every line, each into a file of a private temporary
// folder, read back and removed. Loading the voice once makes a batch of lines several times faster.
bool RunFestival(const Voice& v, const std::vector<std::string>& texts,
                 std::vector<std::vector<unsigned char>>& wavs, std::string& error) {
  char dir[] = "/tmp/quill_speech_XXXXXX";
  if (!mkdtemp(dir)) {
    error = "cannot make a temporary folder for festival";
    return false;
  }
  auto file = [&](std::size_t i) { return std::string(dir) + "/" + std::to_string(i) + ".wav"; };
  // Each line is one utterance; the files are written only when the wanted voice was selected, so
  // a missing voice package is an error rather than another voice.
  std::string script = "(voice_" + v.name + ")\n";
  // Words of our lines that the voice's dictionary lacks and its spelling rules get wrong.
  script += "(lex.add.entry '(\"mesas\" nil (((m ey) 1) ((s ax z) 0))))\n";
  for (std::size_t i = 0; i < texts.size(); ++i)
    script += "(if (equal? current-voice '" + v.name + ") (utt.save.wave (SynthText " +
              SchemeString(texts[i]) + ") " + SchemeString(file(i)) + " 'riff))\n";
  const std::string script_file = std::string(dir) + "/say.scm";
  std::ofstream(script_file) << script;
  std::vector<unsigned char> ignored;
  const bool ran = Run({v.program, "-b", script_file}, "", ignored, error);
  std::remove(script_file.c_str());
  wavs.assign(texts.size(), {});
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::ifstream in(file(i), std::ios::binary);
    wavs[i].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    in.close();
    std::remove(file(i).c_str());
  }
  rmdir(dir);
  if (!ran) return false;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (wavs[i].size() <= 44) {
      error = v.program + " made no speech with the voice " + v.name +
              " (is festvox-us-slt-hts installed?) for: " + texts[i];
      return false;
    }
  return true;
}

bool RunEspeak(const Voice& v, const std::string& text, std::vector<unsigned char>& wav, std::string& error) {
  return Run({v.program, "-v", v.name, "-s", std::to_string(v.words_per_minute), "-p", std::to_string(v.pitch),
              "-a", "120", "--stdout", "--", text},
             "", wav, error);
}

// Doubles the rate with a windowed-sinc half-band interpolator.
Buf Upsample2(const Buf& in) {
  constexpr int kTaps = 16;  // each side
  double h[kTaps];
  for (int k = 0; k < kTaps; ++k) {
    const double x = (k + 0.5);
    const double sinc = std::sin(kPi * x) / (kPi * x);
    const double w = 0.5 + 0.5 * std::cos(kPi * x / (kTaps + 0.5));
    h[k] = sinc * w;
  }
  Buf out(in.size() * 2);
  const long long n = static_cast<long long>(in.size());
  for (long long i = 0; i < n; ++i) {
    out[static_cast<std::size_t>(2 * i)] = in[static_cast<std::size_t>(i)];
    double s = 0;
    for (int k = 0; k < kTaps; ++k) {
      const long long a = i - k, b = i + 1 + k;
      if (a >= 0) s += h[k] * in[static_cast<std::size_t>(a)];
      if (b < n) s += h[k] * in[static_cast<std::size_t>(b)];
    }
    out[static_cast<std::size_t>(2 * i + 1)] = static_cast<float>(s);
  }
  return out;
}

// Samples pinned at full scale, in runs of two or more: the synthesiser clipped.
bool Clipped(const Buf& pcm) {
  int run = 0;
  for (float x : pcm) {
    run = std::fabs(x) >= 32766.0f / 32768.0f ? run + 1 : 0;
    if (run >= 2) return true;
  }
  return false;
}

}  // namespace

Voice FestivalVoice(const std::string& festival) {
  Voice v;
  v.engine = Voice::Engine::Festival;
  v.program = festival;
  v.name = "cmu_us_slt_arctic_hts";
  return v;
}

Voice EspeakVoice(const std::string& espeak) {
  Voice v;
  v.engine = Voice::Engine::Espeak;
  v.program = espeak;
  v.name = "en-gb-x-rp";
  return v;
}

Buf Resample(const Buf& in, int from_rate, int to_rate) {
  if (from_rate == to_rate || in.empty() || from_rate <= 0 || to_rate <= 0) return in;
  // Output sample i lies at input position i * from / to. With g = gcd(from, to) that position's
  // fraction takes only to / g values, so the filter is tabled once per fraction (a polyphase
  // filter): a Hann-windowed sinc of 24 zero crossings a side, cut off a little below the lower
  // Nyquist.
  const long long g = std::gcd(from_rate, to_rate);
  const long long up = to_rate / g, down = from_rate / g;
  const double cutoff = 0.94 * std::min(1.0, static_cast<double>(to_rate) / from_rate);
  constexpr int kZeros = 24;
  const int reach = static_cast<int>(std::ceil(kZeros / cutoff));
  const int taps = 2 * reach;
  std::vector<float> table(static_cast<std::size_t>(up * taps));
  for (long long phase = 0; phase < up; ++phase) {
    const double frac = static_cast<double>(phase) / static_cast<double>(up);
    for (int j = 0; j < taps; ++j) {
      const double x = (j - reach + 1 - frac) * cutoff;  // input sample (base - reach + 1 + j)
      const double sinc = x == 0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
      const double w = std::fabs(x) >= kZeros ? 0.0 : 0.5 + 0.5 * std::cos(kPi * x / kZeros);
      table[static_cast<std::size_t>(phase * taps + j)] = static_cast<float>(sinc * w * cutoff);
    }
  }
  const long long frames = static_cast<long long>(in.size());
  const long long n = frames * up / down;
  Buf out(static_cast<std::size_t>(n));
  for (long long i = 0; i < n; ++i) {
    const long long base = i * down / up, phase = i * down % up;
    const float* h = &table[static_cast<std::size_t>(phase * taps)];
    double s = 0;
    for (int j = 0; j < taps; ++j) {
      const long long k = base - reach + 1 + j;
      if (k >= 0 && k < frames) s += h[j] * in[static_cast<std::size_t>(k)];
    }
    out[static_cast<std::size_t>(i)] = static_cast<float>(s);
  }
  return out;
}

namespace {

// From the synthesiser's WAV to a finished line: 44.1 kHz, trimmed, levelled.
bool Prepare(const Voice& voice, const std::string& text, const std::vector<unsigned char>& wav, Sound& out,
             std::string& error) {
  Buf pcm;
  int rate = 0;
  if (!ParseWav(wav, pcm, rate, error)) {
    error = voice.program + ": " + error + " for: " + text;
    return false;
  }
  if (rate < 8000 || rate > 192000) {
    error = voice.program + " gave a rate of " + std::to_string(rate) + " Hz";
    return false;
  }
  if (Clipped(pcm)) {
    error = voice.program + " clipped while saying: " + text;
    return false;
  }
  if (kRate % rate == 0) {
    while (rate < kRate) {
      pcm = Upsample2(pcm);
      rate *= 2;
    }
  }
  if (rate != kRate) pcm = Resample(pcm, rate, kRate);
  // Trim the synthesiser's silence to a short, even margin.
  const float quiet = static_cast<float>(Peak(pcm) * 0.02);
  std::size_t a = 0, b = pcm.size();
  while (a < b && std::fabs(pcm[a]) < quiet) ++a;
  while (b > a && std::fabs(pcm[b - 1]) < quiet) --b;
  if (b <= a) {
    error = voice.program + " said nothing for: " + text;
    return false;
  }
  const std::size_t margin = Samples(0.04);
  a = a > margin ? a - margin : 0;
  b = std::min(pcm.size(), b + margin);
  Buf speech(pcm.begin() + static_cast<long>(a), pcm.begin() + static_cast<long>(b));
  // A gentle high-pass takes out rumble and DC.
  Filter(speech, Biquad::HighPass, 70, 0.7);
  RemoveDc(speech);
  NormaliseRms(speech, -17.0, -3.0);
  // A line may end on a fricative that runs to the synthesiser's last sample: a short release, then
  // a little silence, lets it die away instead of stopping.
  const std::size_t release = std::min(speech.size() / 4, Samples(0.03));
  for (std::size_t i = 0; i < release; ++i) {
    const double u = static_cast<double>(i + 1) / static_cast<double>(release);
    speech[speech.size() - 1 - i] *= static_cast<float>(std::sin(u * kPi / 2));
  }
  speech.resize(speech.size() + Samples(0.03), 0.f);
  EdgeFades(speech, 0.005);
  out = Mono(std::move(speech));
  out.levelled = true;
  return true;
}

}  // namespace

bool SpeakLines(const Voice& voice, const std::vector<std::string>& texts, std::vector<Sound>& out,
                std::string& error) {
  std::vector<std::vector<unsigned char>> wavs;
  if (voice.engine == Voice::Engine::Festival) {
    if (!RunFestival(voice, texts, wavs, error)) return false;
  } else {
    for (const std::string& text : texts) {
      wavs.emplace_back();
      if (!RunEspeak(voice, text, wavs.back(), error)) {
        error += " on: " + text;
        return false;
      }
    }
  }
  out.assign(texts.size(), Sound());
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (!Prepare(voice, texts[i], wavs[i], out[i], error)) return false;
  return true;
}

}  // namespace snd
