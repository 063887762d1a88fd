#include "util/files.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "util/error.h"

std::string ccAddSlash(const std::string& path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
  return path + "/";
}

std::string ccAppFileNonDebug() {
  std::error_code error;
  std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (error) path.clear();
  const std::size_t app = path.find(".app");
  if (app != std::string::npos) path.resize(app);
  if (path.size() >= 5 && path.compare(path.size() - 5, 5, "debug") == 0) {
    path.resize(path.size() >= 6 ? path.size() - 6 : 0);
  }
  return path + ".app";
}

bool ccIsPlayerName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos || name[0] == '.') return false;
  constexpr std::string_view kBanned = "\"|*\\/:;~?<>,+=%";
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 32 || c == 127 || kBanned.find(c) != std::string_view::npos)
      return false;
  }
  return true;
}

int ccFileExists(const std::string& path) {
  return (platform::FileExists(path) || platform::FolderExists(path)) ? 1 : 0;
}

std::string ccDataFileName(const std::string& path) { return platform::ResolvePath(path); }

std::string ccDamagedDataFile(const std::string& path, const std::string& reason) {
  return "The data file " + ccDataFileName(path) + " is damaged: " + reason + ".";
}

std::string ccDataFileNotLoaded(const std::string& path, const std::string& reason) {
  return "Error loading file " + ccDataFileName(path) + (reason.empty() ? "" : ": " + reason);
}

bool ccSetPlayerFileAside(const std::string& what, const std::string& path,
                          const std::string& reason, std::string* message) {
  const std::string aside = platform::SetFileAside(path);
  const std::string report =
      what + " '" + path + "' is damaged: " + reason +
      (aside.empty() ? std::string("; it could not be put aside, so it is left where it is and "
                                   "not written over while the game runs.")
                     : "; it has been put aside as '" + aside + "'.");
  if (message != nullptr) *message = report;
  ccRunTimeError(report, 0);
  return !aside.empty();
}

namespace {

[[noreturn]] void LoadFailed(const std::string& message) {
  ccRunTimeError(message, 1);
  throw ccFatalError(message);
}

}  // namespace

std::unique_ptr<platform::InStream> ccLoadFile(const std::string& path, std::int64_t max_bytes) {
  platform::BoundedRead file = platform::ReadBoundedFile(path, max_bytes);
  if (file.Refused()) LoadFailed(ccDamagedDataFile(path, file.reason));
  if (!file.Read()) LoadFailed(ccDataFileNotLoaded(path, file.reason));
  return std::make_unique<platform::InStream>(std::move(file.bytes));
}

platform::SoundRef ccLoadSample(const std::string& path, int flags) {
  std::string refused;
  platform::SoundRef sound = platform::LoadSound(path, flags, &refused);
  if (!sound)
    LoadFailed(refused.empty() ? "Error loading sample " + ccDataFileName(path)
                               : ccDamagedDataFile(path, refused));
  return sound;
}
