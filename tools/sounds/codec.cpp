#include "tools/sounds/codec.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace snd {

namespace {

bool WriteAll(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error) {
  // Written beside the target and renamed, so an interrupted build never leaves half a file.
  const std::string tmp = path + ".part";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot write " + tmp;
      return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      error = "cannot write " + tmp;
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    error = "cannot rename " + tmp + " to " + path;
    return false;
  }
  return true;
}

void Append(std::vector<unsigned char>& out, const unsigned char* p, long n) {
  out.insert(out.end(), p, p + n);
}

std::int16_t ToPcm(float x) {
  const float c = std::clamp(x, -1.0f, 1.0f);
  return static_cast<std::int16_t>(std::lrint(c * 32767.0f));
}

}  // namespace

bool WriteOgg(const std::string& path, const Sound& s, float quality, std::string& error) {
  const int channels = s.Stereo() ? 2 : 1;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, kRate, quality) != 0) {
    vorbis_info_clear(&vi);
    error = "vorbis encoder refused its settings for " + path;
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "quill_sounds");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x51756C6C);  // fixed serial: same input, same bytes

  std::vector<unsigned char> bytes;
  ogg_page og;
  ogg_packet op;
  {
    ogg_packet h, hc, hcode;
    vorbis_analysis_headerout(&vd, &vc, &h, &hc, &hcode);
    ogg_stream_packetin(&os, &h);
    ogg_stream_packetin(&os, &hc);
    ogg_stream_packetin(&os, &hcode);
    while (ogg_stream_flush(&os, &og) != 0) {
      Append(bytes, og.header, og.header_len);
      Append(bytes, og.body, og.body_len);
    }
  }
  const std::size_t frames = s.Frames();
  const std::size_t chunk = 4096;
  bool eos = false;
  for (std::size_t pos = 0; !eos;) {
    const std::size_t n = std::min(chunk, frames - pos);
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      std::memcpy(buffer[0], s.left.data() + pos, n * sizeof(float));
      if (channels == 2) std::memcpy(buffer[1], s.right.data() + pos, n * sizeof(float));
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
      pos += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op) != 0) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og) != 0) {
          Append(bytes, og.header, og.header_len);
          Append(bytes, og.body, og.body_len);
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
    if (n == 0 && !eos) {
      while (ogg_stream_flush(&os, &og) != 0) {
        Append(bytes, og.header, og.header_len);
        Append(bytes, og.body, og.body_len);
      }
      eos = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return WriteAll(path, bytes, error);
}

bool WriteWav(const std::string& path, const Sound& s, std::string& error) {
  const std::uint16_t channels = s.Stereo() ? 2 : 1;
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(s.Frames() * channels * 2);
  std::vector<unsigned char> b;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(t[i]));
  };
  tag("RIFF");
  u32(36 + data_bytes);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);
  u16(channels);
  u32(kRate);
  u32(kRate * channels * 2);
  u16(static_cast<std::uint16_t>(channels * 2));
  u16(16);
  tag("data");
  u32(data_bytes);
  for (std::size_t i = 0; i < s.Frames(); ++i) {
    u16(static_cast<std::uint16_t>(ToPcm(s.left[i])));
    if (channels == 2) u16(static_cast<std::uint16_t>(ToPcm(s.right[i])));
  }
  return WriteAll(path, b, error);
}

bool ParseWav(const std::vector<unsigned char>& b, Buf& out, int& rate, std::string& error) {
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
  };
  auto u16 = [&](std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
  };
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
    error = "not a WAV stream";
    return false;
  }
  int channels = 0, bits = 0;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::uint32_t size = u32(at + 4);
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && at + 24 <= b.size()) {
      channels = u16(at + 10);
      rate = static_cast<int>(u32(at + 12));
      bits = u16(at + 22);
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      if (channels < 1 || bits != 16) {
        error = "WAV stream is not 16-bit PCM";
        return false;
      }
      // A streamed header leaves the size unset: take what is there.
      const std::size_t end = std::min<std::size_t>(b.size(), at + 8 + static_cast<std::size_t>(size));
      const std::size_t frame = static_cast<std::size_t>(channels) * 2;
      out.clear();
      for (std::size_t p = at + 8; p + frame <= end; p += frame)
        out.push_back(static_cast<float>(static_cast<std::int16_t>(u16(p))) / 32768.0f);
      return true;
    }
    at += 8 + size + (size & 1);
  }
  error = "WAV stream has no data";
  return false;
}

}  // namespace snd
