#include "platform/image_codec.h"

#include <png.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform::detail {

namespace {

// The largest picture the game reads: the data folder's biggest is 2140 x 1075. A header claiming
// more is refused before a pixel is allocated, so a damaged file cannot take the memory.
constexpr unsigned kMaxImageSide = 4096;
constexpr unsigned long long kMaxImagePixels = 4096ull * 1024ull;

bool SizeAllowed(unsigned width, unsigned height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         static_cast<unsigned long long>(width) * height <= kMaxImagePixels;
}

DecodedImage DecodePng(const std::vector<unsigned char>& bytes, std::string* error) {
  DecodedImage result;
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
    if (error) *error = std::string("bad PNG: ") + image.message;
    return result;
  }
  result.has_alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  // BGRA bytes in memory are 0xAARRGGBB words on a little-endian machine; the pixmap then swaps
  // nothing. A big-endian machine would need ARGB here instead.
  image.format = PNG_FORMAT_BGRA;
  if (!SizeAllowed(image.width, image.height)) {
    png_image_free(&image);
    if (error) *error = "PNG size out of range";
    return result;
  }
  auto pixmap = std::make_shared<Pixmap>(static_cast<int>(image.width), static_cast<int>(image.height));
  if (png_image_finish_read(&image, nullptr, pixmap->Pixels(), 0, nullptr) == 0) {
    if (error) *error = std::string("bad PNG: ") + image.message;
    png_image_free(&image);
    return result;
  }
  result.pixmap = pixmap;
  return result;
}

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  info->err->format_message(info, err->message);
  std::longjmp(err->jump, 1);
}

void JpegSilence(j_common_ptr /*info*/, int /*level*/) {}

// Kept free of objects with destructors: a longjmp out of libjpeg must not skip any. The pixels
// come back in a malloc'd buffer of width x height words 0xAARRGGBB.
bool DecodeJpegInto(const std::vector<unsigned char>& bytes, Argb** out, int* width, int* height,
                    char* message) {
  jpeg_decompress_struct info;
  JpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegErrorExit;
  err.mgr.emit_message = JpegSilence;
  err.message[0] = '\0';
  // Both buffers are assigned after setjmp, so they are volatile: after a longjmp they must hold
  // what was last stored, or the error path would free stale pointers.
  Argb* volatile pixels = nullptr;
  unsigned char* volatile row = nullptr;
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&info);
    std::free(pixels);
    std::free(row);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  // Checked before the decoder allocates its own buffers for the whole picture.
  if (!SizeAllowed(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", "JPEG size out of range");
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (!SizeAllowed(info.output_width, info.output_height) || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", "JPEG size or colour format out of range");
    return false;
  }
  const std::size_t w = info.output_width;
  pixels = static_cast<Argb*>(std::malloc(w * info.output_height * sizeof(Argb)));
  row = static_cast<unsigned char*>(std::malloc(w * 3));
  if (pixels == nullptr || row == nullptr) {
    jpeg_destroy_decompress(&info);
    std::free(pixels);
    std::free(row);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", "out of memory");
    return false;
  }
  while (info.output_scanline < info.output_height) {
    const std::size_t y = info.output_scanline;
    unsigned char* const line = row;
    JSAMPROW rows[1] = {line};
    jpeg_read_scanlines(&info, rows, 1);
    Argb* dst = pixels + y * w;
    for (std::size_t x = 0; x < w; ++x) {
      dst[x] = 0xFF000000u | (Argb{line[x * 3]} << 16) | (Argb{line[x * 3 + 1]} << 8) | line[x * 3 + 2];
    }
  }
  *width = static_cast<int>(info.output_width);
  *height = static_cast<int>(info.output_height);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::free(row);
  *out = pixels;
  return true;
}

struct PngWriteState {
  std::vector<unsigned char>* out;
};

void PngWriteToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* state = static_cast<PngWriteState*>(png_get_io_ptr(png));
  state->out->insert(state->out->end(), data, data + length);
}

void PngFlushNothing(png_structp /*png*/) {}

bool EncodePngRows(png_structp png, png_infop info, const Pixmap& pixmap, int compression,
                   png_bytep row) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_compression_level(png, std::clamp(compression, 0, 9));
  png_set_IHDR(png, info, static_cast<png_uint_32>(pixmap.Width()),
               static_cast<png_uint_32>(pixmap.Height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < pixmap.Height(); ++y) {
    for (int x = 0; x < pixmap.Width(); ++x) {
      const Argb p = pixmap.ReadPixel(x, y);
      row[x * 4 + 0] = static_cast<png_byte>(p >> 16);
      row[x * 4 + 1] = static_cast<png_byte>(p >> 8);
      row[x * 4 + 2] = static_cast<png_byte>(p);
      row[x * 4 + 3] = static_cast<png_byte>(p >> 24);
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

DecodedImage DecodeImage(const std::vector<unsigned char>& bytes, std::string* error) {
  static constexpr unsigned char kPngSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSig, 8) == 0) return DecodePng(bytes, error);
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
    DecodedImage result;
    Argb* raw = nullptr;
    int width = 0, height = 0;
    char message[JMSG_LENGTH_MAX] = {0};
    if (DecodeJpegInto(bytes, &raw, &width, &height, message)) {
      result.pixmap = std::make_shared<Pixmap>(width, height);
      std::memcpy(result.pixmap->Pixels(), raw, static_cast<std::size_t>(width) * height * sizeof(Argb));
      std::free(raw);
    } else if (error) {
      *error = std::string("bad JPEG: ") + message;
    }
    return result;
  }
  if (error) *error = "neither a PNG nor a JPEG file";
  return {};
}

bool EncodePng(const Pixmap& pixmap, int compression, std::vector<unsigned char>* out) {
  if (pixmap.Width() <= 0 || pixmap.Height() <= 0) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  PngWriteState state{out};
  png_set_write_fn(png, &state, PngWriteToVector, PngFlushNothing);
  std::vector<png_byte> row(static_cast<std::size_t>(pixmap.Width()) * 4);
  const bool ok = EncodePngRows(png, info, pixmap, compression, row.data());
  png_destroy_write_struct(&png, &info);
  return ok;
}

}  // namespace platform::detail
