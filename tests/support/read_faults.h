#pragma once
// Makes a file that is there refuse to be read, as one owned by another user (mode 0600)
// or one of mode 000 does, while the object is alive, whoever runs the test: a user who may read
// every file (root) is refused too. Usage in a test:
//
//   quill_test::ReadFaults faults(root + "best.dat");
//   TBestScoreList().Load();                        // best.dat cannot be read: "Permission denied"
//   EXPECT_EQ(faults.Faulted(), 1);
//
// Every open for reading through the file layer whose path ends with `match` fails with `error`
// (EACCES: "Permission denied"); every other open goes through to the disk unchanged, so the
// file's copy set aside as "<match>.damaged" reads as it stands.

#include <cerrno>
#include <string>

#include "platform/files.h"

namespace quill_test {

class ReadFaults : public platform::FileReadCalls {
 public:
  explicit ReadFaults(std::string match, int error = EACCES);
  ~ReadFaults() override;
  ReadFaults(const ReadFaults&) = delete;
  ReadFaults& operator=(const ReadFaults&) = delete;

  int Faulted() const { return faulted_; }  // opens made to fail so far

  int Open(const std::string& path, int flags) override;

 private:
  std::string match_;
  int error_;
  int faulted_ = 0;
  platform::FileReadCalls* previous_;
};

}  // namespace quill_test
