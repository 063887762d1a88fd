#include "tests/support/read_faults.h"

#include <utility>

namespace quill_test {

ReadFaults::ReadFaults(std::string match, int error)
    : match_(std::move(match)), error_(error), previous_(platform::InstallFileReadCalls(this)) {}

ReadFaults::~ReadFaults() { platform::InstallFileReadCalls(previous_); }

int ReadFaults::Open(const std::string& path, int flags) {
  if (path.ends_with(match_)) {
    ++faulted_;
    errno = error_;
    return -1;
  }
  return FileReadCalls::Open(path, flags);
}

}  // namespace quill_test
