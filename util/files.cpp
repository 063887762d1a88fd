#include "util/files.h"

#include <filesystem>
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

int ccFileExists(const std::string& path) {
  return (platform::FileExists(path) || platform::FolderExists(path)) ? 1 : 0;
}

std::string ccDataFileSizeFault(const std::string& path, std::int64_t max_bytes) {
  const std::string fault = ccFileSizeFault(path, max_bytes);
  return fault.empty() ? fault : "The data file " + path + " is damaged: " + fault + ".";
}

std::string ccFileSizeFault(const std::string& path, std::int64_t max_bytes) {
  const std::int64_t size = platform::FileSize(path);
  if (size <= max_bytes) return "";
  return "it holds " + std::to_string(size) + " bytes, more than the " + std::to_string(max_bytes) +
         " such a file may hold";
}

std::unique_ptr<platform::InStream> ccLoadFile(const std::string& path, std::int64_t max_bytes) {
  if (const std::string fault = ccDataFileSizeFault(path, max_bytes); !fault.empty()) {
    ccRunTimeError(fault, 1);
    throw ccFatalError(fault);
  }
  std::unique_ptr<platform::InStream> stream = platform::InStream::Open(path);
  if (!stream) {
    const std::string message = "Error loading file " + path;
    ccRunTimeError(message, 1);
    throw ccFatalError(message);
  }
  return stream;
}

platform::SoundRef ccLoadSample(const std::string& path, int flags) {
  if (const std::string fault = platform::SoundSizeFault(path); !fault.empty()) {
    const std::string message = "The data file " + path + " is damaged: " + fault + ".";
    ccRunTimeError(message, 1);
    throw ccFatalError(message);
  }
  platform::SoundRef sound = platform::LoadSound(path, flags);
  if (!sound) {
    const std::string message = "Error loading sample " + path;
    ccRunTimeError(message, 1);
    throw ccFatalError(message);
  }
  return sound;
}
