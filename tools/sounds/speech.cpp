#include "tools/sounds/speech.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/sounds/codec.h"

namespace snd {

namespace {

// Runs the synthesiser without a shell (the text is one argument) and collects its WAV output.
bool RunSynth(const Voice& v, const std::string& text, std::vector<unsigned char>& wav,
              std::string& error) {
  int fds[2];
  if (pipe(fds) != 0) {
    error = "cannot open a pipe to " + v.program;
    return false;
  }
  const std::string rate = std::to_string(v.words_per_minute);
  const std::string pitch = std::to_string(v.pitch);
  std::vector<const char*> args = {v.program.c_str(), "-v", v.name.c_str(), "-s", rate.c_str(),
                                   "-p", pitch.c_str(), "-a", "120", "--stdout", "--",
                                   text.c_str(), nullptr};
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    error = "cannot start " + v.program;
    return false;
  }
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    execvp(args[0], const_cast<char* const*>(args.data()));
    _exit(127);
  }
  close(fds[1]);
  unsigned char chunk[65536];
  for (;;) {
    const ssize_t n = read(fds[0], chunk, sizeof chunk);
    if (n <= 0) break;
    wav.insert(wav.end(), chunk, chunk + n);
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    error = v.program + " failed (is it installed?) on: " + text;
    return false;
  }
  return true;
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

}  // namespace

bool Speak(const Voice& voice, const std::string& text, Sound& out, std::string& error) {
  std::vector<unsigned char> wav;
  if (!RunSynth(voice, text, wav, error)) return false;
  Buf pcm;
  int rate = 0;
  if (!ParseWav(wav, pcm, rate, error)) {
    error = voice.program + ": " + error;
    return false;
  }
  while (rate < kRate / 2 + 100 && rate > 0 && rate * 2 <= kRate + 100) {
    pcm = Upsample2(pcm);
    rate *= 2;
  }
  if (rate != kRate) {
    error = voice.program + " gave " + std::to_string(rate) + " Hz, expected a divisor of 44100";
    return false;
  }
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
  EdgeFades(speech, 0.005);
  out = Mono(std::move(speech));
  out.levelled = true;
  return true;
}

}  // namespace snd
