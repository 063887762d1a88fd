#pragma once
// Writes small media files for the platform tests: pictures without alpha (PNG and JPEG) and short
// sounds (WAV and Ogg Vorbis), so no binary fixtures are needed.

#include <cstdint>
#include <string>
#include <vector>

namespace test_media {

// `rgb` holds w * h pixels 0xRRGGBB. The PNG has no alpha channel.
bool WriteRgbPng(const std::string& path, int w, int h, const std::vector<std::uint32_t>& rgb);
bool WriteJpeg(const std::string& path, int w, int h, const std::vector<std::uint32_t>& rgb);
// A 16-bit mono sine of `ms` milliseconds at 22050 Hz.
bool WriteWav(const std::string& path, int ms);
// `last_granule`, when not negative, is written as the last page's length in samples in place of
// the true one: a length that understates the sound, as a damaged or hand-cut file may give.
bool WriteOgg(const std::string& path, int ms, long long last_granule = -1);

}  // namespace test_media
