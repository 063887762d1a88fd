#pragma once
// Writing finished sounds: Ogg Vorbis through libvorbisenc (fixed stream serial, so the same samples
// give the same bytes) or 16-bit PCM WAV; reading the 16-bit WAV that the speech synthesiser writes.

#include <string>
#include <vector>

#include "tools/sounds/dsp.h"

namespace snd {

bool WriteOgg(const std::string& path, const Sound& s, float quality, std::string& error);
bool WriteWav(const std::string& path, const Sound& s, std::string& error);
// Parses a mono or stereo 16-bit WAV held in memory (sizes in the header may be unset, as a stream
// writer leaves them); gives the first channel's samples and the rate.
bool ParseWav(const std::vector<unsigned char>& bytes, Buf& out, int& rate, std::string& error);

}  // namespace snd
