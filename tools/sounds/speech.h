#pragma once
// Announcer lines: spoken with one fixed voice, rate and pitch for the whole game, brought to
// 44.1 kHz and to one loudness. The voice is festival's HTS voice "cmu_us_slt_arctic_hts" (Debian's
// festvox-us-slt-hts), each line synthesised as one utterance; espeak-ng remains as the other
// synthesiser.

#include <string>
#include <vector>

#include "tools/sounds/dsp.h"

namespace snd {

struct Voice {
  enum class Engine { Festival, Espeak };
  Engine engine = Engine::Festival;
  std::string program = "festival";
  // festival: the voice (its selection command without "voice_"); espeak-ng: the voice name.
  std::string name = "cmu_us_slt_arctic_hts";
  int words_per_minute = 148;  // espeak-ng only
  int pitch = 42;              // espeak-ng only
};

Voice FestivalVoice(const std::string& festival);
Voice EspeakVoice(const std::string& espeak);

// Speaks each of `texts` into `out` (same order); false with a message when the synthesiser cannot
// be run, says nothing for a line, or clips.
bool SpeakLines(const Voice& voice, const std::vector<std::string>& texts, std::vector<Sound>& out,
                std::string& error);

// Band-limited resampling by windowed sinc, for synthesisers whose rate does not divide 44.1 kHz.
Buf Resample(const Buf& in, int from_rate, int to_rate);

}  // namespace snd
