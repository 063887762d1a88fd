#include "util/screenshot.h"

#include <filesystem>
#include <system_error>

#include "util/date_time.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/system.h"

int ccScreenShot(const std::string& folder) {
  platform::PixmapRef pixels = platform::GrabPixmap(0, 0, ScreenWidth, ScreenHeight);
  if (!pixels) return 0;
  TDateTime now;
  now.Set_DateTimeCurrent();
  const std::string name = TDateTime::Get_String(now, "YYYY-MM-DD HHNNSS screenshot.png");
  std::string path;
  if (folder.empty()) {
    std::error_code error;
    path = ccAddSlash(std::filesystem::current_path(error).string()) + name;
  } else {
    path = folder + name;
  }
  platform::SavePixmapPNG(*pixels, path, 9);
  return 0;
}

int ccSaveImage(const platform::ImageRef& image, const std::string& path) {
  if (!image) return 0;
  platform::PixmapRef pixels = image->LockFrame(0);
  if (!pixels) return 0;
  platform::OutStream stream;
  ccWriteBMP(stream, *pixels);
  image->UnlockFrame(0);
  if (stream.Commit(path)) ccShareFileOSX(path);
  return 0;
}

int ccWriteBMP(platform::OutStream& stream, const platform::Pixmap& pixmap) {
  const int width = pixmap.Width();
  const int height = pixmap.Height();
  // Rows are padded to a multiple of 4 bytes; computed in full 32 bits, so any width works.
  const int row_size = (3 * width + 3) & ~3;
  const int image_size = row_size * height;
  stream.WriteByte('B');
  stream.WriteByte('M');
  stream.WriteInt(54 + image_size);
  stream.WriteInt(0);
  stream.WriteInt(54);
  stream.WriteInt(40);
  stream.WriteInt(width);
  stream.WriteInt(height);
  stream.WriteShort(1);
  stream.WriteShort(24);
  stream.WriteInt(0);
  stream.WriteInt(image_size);
  stream.WriteInt(2834);
  stream.WriteInt(2834);
  stream.WriteInt(0);
  stream.WriteInt(0);
  std::vector<unsigned char> row(static_cast<std::size_t>(row_size), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const platform::Argb pixel = pixmap.ReadPixel(x, y);
      row[static_cast<std::size_t>(x) * 3 + 0] = static_cast<unsigned char>(pixel & 255u);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<unsigned char>((pixel >> 8) & 255u);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<unsigned char>((pixel >> 16) & 255u);
    }
    for (unsigned char byte : row) stream.WriteByte(byte);
  }
  return 0;
}

int ccConvertJPGToBMP(const std::string& source, const std::string& target) {
  platform::ImageRef image = platform::LoadImage(source, platform::IMAGE_DEFAULT_FLAGS);
  if (image) ccSaveImage(image, target);
  return 0;
}
