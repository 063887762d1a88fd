#include "tests/platform/test_media.h"

#include <jpeglib.h>
#include <png.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdio>
#include <fstream>

namespace test_media {

namespace {

constexpr int kRate = 22050;

std::vector<std::int16_t> Sine(int ms) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(kRate) * ms / 1000);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * static_cast<double>(i) / kRate));
  }
  return samples;
}

}  // namespace

bool WriteRgbPng(const std::string& path, int w, int h, const std::vector<std::uint32_t>& rgb) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = rgb[static_cast<std::size_t>(y * w + x)];
      row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(p >> 16);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(p >> 8);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(p);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

bool WriteJpeg(const std::string& path, int w, int h, const std::vector<std::uint32_t>& rgb) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = static_cast<JDIMENSION>(w);
  info.image_height = static_cast<JDIMENSION>(h);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = rgb[static_cast<std::size_t>(y * w + x)];
      row[static_cast<std::size_t>(x) * 3] = static_cast<JSAMPLE>(p >> 16);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>(p >> 8);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(p);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(f) == 0;
}

bool WriteWav(const std::string& path, int ms) {
  const auto samples = Sine(ms);
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); };
  auto u16 = [&](std::uint16_t v) { for (int i = 0; i < 2; ++i) out.put(static_cast<char>(v >> (8 * i))); };
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  u32(36 + data_bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(data_bytes);
  for (const auto s : samples) u16(static_cast<std::uint16_t>(s));
  return static_cast<bool>(out);
}

bool WriteOgg(const std::string& path, int ms, long long last_granule) {
  const auto samples = Sine(ms);
  std::ofstream out(path, std::ios::binary);
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, kRate, 0.3f) != 0) return false;
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1);
  ogg_packet header, header_comm, header_code;
  vorbis_analysis_headerout(&vd, &vc, &header, &header_comm, &header_code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &header_comm);
  ogg_stream_packetin(&os, &header_code);
  ogg_page og;
  auto write_page = [&]() {
    out.write(reinterpret_cast<const char*>(og.header), og.header_len);
    out.write(reinterpret_cast<const char*>(og.body), og.body_len);
  };
  while (ogg_stream_flush(&os, &og) != 0) write_page();
  std::size_t pos = 0;
  bool eos = false;
  bool ended = false;
  while (!eos) {
    const std::size_t chunk = std::min<std::size_t>(1024, samples.size() - pos);
    if (chunk == 0) {
      if (ended) break;
      ended = true;
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(chunk));
      for (std::size_t i = 0; i < chunk; ++i) buffer[0][i] = samples[pos + i] / 32768.0f;
      vorbis_analysis_wrote(&vd, static_cast<int>(chunk));
      pos += chunk;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op) != 0) {
        if (op.e_o_s != 0 && last_granule >= 0) op.granulepos = last_granule;
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og) != 0) {
          write_page();
          if (ogg_page_eos(&og) != 0) eos = true;
        }
      }
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return static_cast<bool>(out);
}

}  // namespace test_media
