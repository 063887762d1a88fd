#pragma once
// Announcer lines: spoken by espeak-ng with one fixed voice, rate and pitch for the whole game,
// brought to 44.1 kHz and to one loudness.

#include <string>

#include "tools/sounds/dsp.h"

namespace snd {

struct Voice {
  std::string program = "espeak-ng";
  std::string name = "en-gb-x-rp";
  int words_per_minute = 148;
  int pitch = 42;
};

// Speaks `text`; false with a message when the synthesiser cannot be run or says nothing.
bool Speak(const Voice& voice, const std::string& text, Sound& out, std::string& error);

}  // namespace snd
