#include "play/kept_pictures.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/graphics.h"

namespace {

std::string FileStamp(const std::string& path) {
  std::error_code error;
  const std::filesystem::path real = platform::ResolvePath(path);
  const auto size = std::filesystem::file_size(real, error);
  if (error) return "missing";
  const auto changed = std::filesystem::last_write_time(real, error);
  if (error) return "missing";
  return std::to_string(size) + " " + std::to_string(changed.time_since_epoch().count());
}

}  // namespace

std::string KeptPicturesSource(const std::string& folder, const std::vector<std::string>& files) {
  int r = 0, g = 0, b = 0;
  platform::GetMaskColor(&r, &g, &b);
  std::string source = folder + "\nflags " + std::to_string(platform::GetDefaultImageFlags()) +
                       " mask " + std::to_string(r) + " " + std::to_string(g) + " " +
                       std::to_string(b);
  for (const std::string& file : files) source += "\n" + file + " " + FileStamp(folder + file);
  return source;
}
