#include "tests/support/write_faults.h"

#include <cerrno>

namespace quill_test {

WriteFaults::WriteFaults(WriteFault fault, std::string match, int count)
    : fault_(fault), match_(std::move(match)), count_(count),
      previous_(platform::InstallFileWriteCalls(this)) {}

WriteFaults::~WriteFaults() { platform::InstallFileWriteCalls(previous_); }

bool WriteFaults::Hits(const std::string& path) const {
  return fault_ != WriteFault::kNone && (count_ < 0 || faulted_ < count_) &&
         (match_.empty() || path.find(match_) != std::string::npos);
}

bool WriteFaults::WriteAll(const std::string& path, int fd, const unsigned char* bytes, std::size_t n) {
  steps_.push_back("write " + path);
  if (fault_ == WriteFault::kNoSync || fault_ == WriteFault::kNoReplace || !Hits(path)) {
    return FileWriteCalls::WriteAll(path, fd, bytes, n);
  }
  ++faulted_;
  if (fault_ == WriteFault::kFail || fault_ == WriteFault::kReadOnly) {
    errno = fault_ == WriteFault::kFail ? ENOSPC : EROFS;
    return false;
  }
  FileWriteCalls::WriteAll(path, fd, bytes, n / 2);
  errno = EIO;
  return false;
}

bool WriteFaults::Sync(const std::string& path, int fd) {
  steps_.push_back("sync " + path);
  // The folder's flush after the rename (its path ends in "/") never faults: the file is in place.
  const bool folder = !path.empty() && path.back() == '/';
  if (fault_ != WriteFault::kNoSync || folder || !Hits(path)) return FileWriteCalls::Sync(path, fd);
  ++faulted_;
  errno = EIO;
  return false;
}

bool WriteFaults::Replace(const std::string& temp, const std::string& path) {
  steps_.push_back("rename " + path);
  if (fault_ != WriteFault::kNoReplace || !Hits(path)) return FileWriteCalls::Replace(temp, path);
  ++faulted_;
  errno = EACCES;
  return false;
}

}  // namespace quill_test
