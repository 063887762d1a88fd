#include "tests/support/write_faults.h"

#include <cerrno>

namespace quill_test {

WriteFaults::WriteFaults(WriteFault fault, std::string match, int count)
    : fault_(fault), match_(std::move(match)), count_(count),
      previous_(platform::InstallFileWriteCalls(this)) {}

WriteFaults::~WriteFaults() { platform::InstallFileWriteCalls(previous_); }

bool WriteFaults::Hits(const std::string& path) const {
  return (count_ < 0 || faulted_ < count_) &&
         (match_.empty() || path.find(match_) != std::string::npos);
}

bool WriteFaults::WriteAll(const std::string& path, int fd, const unsigned char* bytes, std::size_t n) {
  if (fault_ == WriteFault::kNoReplace || !Hits(path)) {
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

bool WriteFaults::Replace(const std::string& temp, const std::string& path) {
  if (fault_ != WriteFault::kNoReplace || !Hits(path)) return FileWriteCalls::Replace(temp, path);
  ++faulted_;
  errno = EACCES;
  return false;
}

}  // namespace quill_test
