#include "fuzz/fuzz_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/files.h"
#include "platform/system.h"
#include "util/error.h"
#include "util/globals.h"

namespace quill_fuzz {

namespace fs = std::filesystem;

namespace {

std::string& ScratchPath() {
  static std::string path;
  return path;
}

// Writes skip the flush to the disk: a reader that saves what it read (the settings file does)
// would otherwise spend the run waiting for the disk.
class NoSync : public platform::FileWriteCalls {
 public:
  bool Sync(const std::string& /*path*/, int /*fd*/) override { return true; }
};

}  // namespace

void Init() {
  static bool done = false;
  if (done) return;
  done = true;
  platform::SetHeadless(true);
  ccWriteErrors = 0;
  ccGraphicalErrors = 0;
  // Refusals print their message through the alert; thousands a second would drown the fuzzer's
  // own report (sanitizer reports do not go through std::cerr).
  std::cerr.setstate(std::ios::failbit);
  // In memory where there is such a folder: replacing a file on a disk file system waits for its
  // data to reach the disk, which would make most of a run waiting.
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string templ = (base / "quill-fuzz-XXXXXX").string();
  if (mkdtemp(templ.data()) == nullptr) std::abort();
  ScratchPath() = templ + "/";
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(ScratchPath(), ignored);
  });
  setenv("XDG_DATA_HOME", templ.c_str(), 1);
  static NoSync no_sync;
  platform::InstallFileWriteCalls(&no_sync);
}

const std::string& Scratch() { return ScratchPath(); }

std::string WriteInput(const std::uint8_t* data, std::size_t size, const std::string& name) {
  const std::string path = Scratch() + name;
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

std::vector<unsigned char> Bytes(const std::uint8_t* data, std::size_t size) {
  return std::vector<unsigned char>(data, data + size);
}

const std::string& LevelsPrefix() {
  static const std::string prefix = [] {
    const std::string root = Scratch() + "levels_copy/";
    fs::create_directories(root + "Data");
    fs::copy(std::string(QUILL_SOURCE_DATA) + "levels", root + "Data/levels",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return root;
  }();
  return prefix;
}

const std::string& TinyHolesPrefix() {
  static const std::string prefix = [] {
    const std::string root = Scratch() + "tiny_holes/";
    const std::string levels = std::string(QUILL_SOURCE_DATA) + "levels/";
    fs::create_directories(root + "Data/levels/holes");
    fs::copy(levels + "courses", root + "Data/levels/courses", fs::copy_options::recursive);
    for (const auto& hole : fs::directory_iterator(levels + "holes")) {
      std::ofstream(root + "Data/levels/holes/" + hole.path().filename().string(), std::ios::binary)
          << "tiny\n0\nCards 1\nID X Y ZOrder FaceUp Type Covers TokenFactor\n1 100 64 0 1 N -1 0\n";
    }
    return root;
  }();
  return prefix;
}

void SwallowFatal(void (*call)(void*), void* context) {
  try {
    call(context);
  } catch (const ccFatalError&) {
    // The reader refused the input through the game's fatal path: a clean outcome.
  }
}

}  // namespace quill_fuzz
