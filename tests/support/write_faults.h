#pragma once
// Makes writes through the file layer fail, as a full disk or a crash would, while the object is
// alive, and records the steps every atomic write takes. Usage in a test:
//
//   quill_test::WriteFaults faults(quill_test::WriteFault::kFail, "best.dat");
//   EXPECT_FALSE(SaveBestScores());                 // the write failed and was reported
//   EXPECT_EQ(faults.Faulted(), 1);
//
// Every atomic write whose target path contains `match` (every write when empty) faults, up to
// `count` writes (-1: all of them); other writes go through to the disk unchanged. The previous
// file is left whole by the file layer, so a test can check nothing was lost.
//
// Steps() lists, in order, each step of every atomic write made while the object lives, faulted
// or not: "write <path>", "sync <path>" (the temporary file that becomes <path>), "rename <path>"
// and "sync <folder>/" (the folder, after the rename). A whole save of /p/Ann.dat reads
// "write /p/Ann.dat", "sync /p/Ann.dat", "rename /p/Ann.dat", "sync /p/".

#include <string>
#include <vector>

#include "platform/files.h"

namespace quill_test {

enum class WriteFault {
  kNone,       // nothing faults: the steps are only recorded
  kFail,       // nothing is written; the write fails with "No space left on device"
  kReadOnly,   // nothing is written; the write fails with "Read-only file system"
  kInterrupt,  // half the bytes reach the temporary file, then it fails with an I/O error
  kNoSync,     // everything is written, but flushing the file to the disk fails with an I/O error
  kNoReplace,  // everything is written and flushed, but the final rename fails
};

class WriteFaults : public platform::FileWriteCalls {
 public:
  explicit WriteFaults(WriteFault fault = WriteFault::kFail, std::string match = {}, int count = -1);
  ~WriteFaults() override;
  WriteFaults(const WriteFaults&) = delete;
  WriteFaults& operator=(const WriteFaults&) = delete;

  int Faulted() const { return faulted_; }  // writes made to fail so far
  const std::vector<std::string>& Steps() const { return steps_; }

  bool WriteAll(const std::string& path, int fd, const unsigned char* bytes, std::size_t n) override;
  bool Sync(const std::string& path, int fd) override;
  bool Replace(const std::string& temp, const std::string& path) override;

 private:
  bool Hits(const std::string& path) const;
  WriteFault fault_;
  std::string match_;
  int count_;
  int faulted_ = 0;
  std::vector<std::string> steps_;
  platform::FileWriteCalls* previous_;
};

}  // namespace quill_test
