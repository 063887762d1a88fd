#pragma once
// Files and streams. Paths are UTF-8. Reading resolves each path component without regard to
// letter case (the game spells its data folders inconsistently); writing always goes through the
// atomic writer, so a crash never leaves a half-written file.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Resolves `path` against the file system, matching each component without regard to case when
// the exact spelling does not exist. Returns the real path; from the first component that matches
// nothing on, the rest is kept as spelled (so a new file in an existing folder resolves too).
std::string ResolvePath(const std::string& path);

// Whether two names are the same but for the letter case of their ASCII letters.
bool EqualsNoCase(const std::string& a, const std::string& b);

bool FileExists(const std::string& path);    // a regular file (case-insensitive)
// Whether nothing at all stands at the name (no file of any kind, no folder; a link is followed):
// unlike FileExists, a named pipe, a device or a folder there counts as something.
bool NothingAt(const std::string& path);
bool FolderExists(const std::string& path);  // a directory (case-insensitive)
std::int64_t FileSize(const std::string& path);  // -1 when missing
// Makes a folder with its parents; true when it exists afterwards. On failure `error` gets the
// system's reason ("Read-only file system", "Permission denied", ...), or "<path> is a file, not a
// folder" when a file stands where the folder or one of its parents should be.
bool CreateFolder(const std::string& path, std::string* error = nullptr);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
bool CopyFile(const std::string& from, const std::string& to);  // atomic at the target
// Entry names (not paths) of a folder, sorted, without "." and "..". Empty when missing.
std::vector<std::string> ListFolder(const std::string& path);
// Gives a file the game wrote its modes: readable by every user and writable only by its owner
// (0644), a folder 0755. Never executable, never writable by others. True on success.
bool ShareFile(const std::string& path);
constexpr unsigned kFileMode = 0644;
constexpr unsigned kFolderMode = 0755;

// Puts a damaged player file aside for inspection, under a name that never replaces an earlier one:
// "<path>.damaged", then "<path>.damaged.2", "<path>.damaged.3", ... Returns the name it now has, or
// "" when it could not be moved (the file is then left where it was).
std::string SetFileAside(const std::string& path);
// The name SetFileAside would use now (the first of the names above that is free).
std::string FreeAsideName(const std::string& path);

// Whole files. Every file the game reads whole (data files, player files, pictures, sounds) is read
// by ReadBoundedFile with the bound of its own kind. What stands at the name is looked at before it
// is opened, and what was opened is looked at again before a byte is read: a named pipe, a device,
// a folder or a link to one is refused at once, never waited on (it is opened without blocking, so
// one put there meanwhile cannot hold the game either). A file past its bound is refused unread,
// and at most one byte past the bound is ever read, so a file that grows while it is read is
// refused too.
struct BoundedRead {
  enum class Outcome {
    kRead,        // `bytes` holds the whole file
    kMissing,     // nothing at the name (or a folder on the way is missing)
    kUnreadable,  // there, but it cannot be opened or read: `reason` gives the system's reason
    kRefused,     // there, but no file of its kind: `reason` says why (see below)
  };
  Outcome outcome = Outcome::kMissing;
  std::vector<unsigned char> bytes;
  // For kRefused "it is not a plain file" or "it holds N bytes, more than the M such a file may
  // hold" ("at least N" for one that held more than its size said and was read no further); for
  // kUnreadable the system's reason ("Permission denied").
  std::string reason;

  bool Read() const { return outcome == Outcome::kRead; }
  bool Missing() const { return outcome == Outcome::kMissing; }
  bool Refused() const { return outcome == Outcome::kRefused; }
};
BoundedRead ReadBoundedFile(const std::string& path, std::int64_t max_bytes);
// Opens a plain file for reading (a stream read from its file as it plays) with the same checks as
// ReadBoundedFile, so what stands at its name is never waited on. The descriptor (closed on exec),
// or -1 with `reason` saying why: "it is not a plain file", or the system's reason.
int OpenPlainFile(const std::string& path, std::string* reason = nullptr);
// A whole file with no bound, for tests and tools that read what they wrote (still only a plain
// file). std::nullopt when it is missing or cannot be read.
std::optional<std::vector<unsigned char>> ReadFileBytes(const std::string& path);
// Reads a text file honouring a byte-order mark (UTF-16 LE/BE, UTF-8); without one, one byte per
// character (Latin-1). Returns UTF-8. With no bound, for tests and tools, as ReadFileBytes.
std::optional<std::string> ReadTextFile(const std::string& path);
// Writes to a temporary file beside `path`, flushes it, renames it over `path`, then shares it.
// On failure the old file is left whole, the temporary one removed, and false is returned with
// `error` naming the folder and the system's reason: "the folder /x/y/ cannot be written (No space
// left on device)".
bool WriteFileAtomic(const std::string& path, const std::vector<unsigned char>& bytes,
                     std::string* error = nullptr);
bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Removes the temporary files that atomic writes interrupted by a kill or a crash left in `folder`:
// regular files named "<target>.tmp-" and the six letters or digits the write chose, for which
// `written_here(target)` holds (every non-empty target when it is not given). A name whose last six
// characters hold anything else (a dot, a dash) is never one of them, so a player's file such as
// "al.tmp-Jo.dat" is kept. Returns how many were removed.
int RemoveStaleTempFiles(const std::string& folder,
                         const std::function<bool(const std::string& target)>& written_here = {});

// The lock that keeps a second copy of the program off a per-user folder. It is taken on the folder
// that holds `path` (which a running copy's files keep from being deleted, and which needs no write
// permission), and as a write lock on the file `path` itself (made 0644 when missing, never
// written), which also stops a copy on a file system that cannot lock folders. The system drops
// both when the process ends, however it ends, so a crash never leaves the folder locked. `path` is
// never followed when it is a symbolic link. With the folder held, a lock file this process cannot
// open (another user's, mode 000, a link, not a plain file) is left as it is and does not stop it.
// One lock is held per process: taking it again on the same file holds it still, taking it on
// another file first lets the old one go. Processes forked from this one hold none of it.
// While it is held, the folder it was taken on is the only one written at its path: once that
// folder is moved or removed (and perhaps another made in its place, by a second copy), every
// write, deletion, rename, set-aside or mode change of a file at that path is refused, and
// WriteFileAtomic's `error` says "the folder <folder>/ was moved or removed while the game ran
// (...)".
enum class FileLock {
  kTaken,     // this process holds it
  kHeld,      // another process holds it
  kUnlocked,  // the file system keeps no locks: nothing is held, and nothing stops the caller
  kFailed,    // the lock file cannot be made or opened for writing: `error` says why ("Read-only file
              // system", "<path> is a folder, not a file")
  kBlocked,   // the folder cannot be locked and the lock file is in the way (another user's, mode
              // 000, a link, not a plain file): `error` names it and says why; it is left as it is
};
FileLock LockFile(const std::string& path, std::string* error = nullptr);
// Lets the lock go (nothing when none is held).
void ReleaseFileLock();

// The system calls behind an atomic write. The game always uses these; a test installs its own
// (tests/support/write_faults.h) to make a write fail or stop half-way, as a full disk or a crash
// would. Each returns false with errno set on failure.
class FileWriteCalls {
 public:
  virtual ~FileWriteCalls() = default;
  // Writes all `n` bytes to the open temporary file `fd` that will become `path`.
  virtual bool WriteAll(const std::string& path, int fd, const unsigned char* bytes, std::size_t n);
  // Flushes `fd` to the disk: the temporary file, then (after the rename) the folder `path`.
  virtual bool Sync(const std::string& path, int fd);
  // Renames the finished temporary file over `path`.
  virtual bool Replace(const std::string& temp, const std::string& path);
};
// Installs `calls` for every following write (nullptr: the system's own). Returns the one it
// replaces, so a test can put it back. The object must outlive its use.
FileWriteCalls* InstallFileWriteCalls(FileWriteCalls* calls);

// The system call behind every read of a whole file (ReadBoundedFile, OpenPlainFile). The game
// always uses this one; a test installs its own (tests/support/read_faults.h) to make a file that
// is there refuse to open, as another user's or one of mode 000 does, even for a user who may read
// every file.
class FileReadCalls {
 public:
  virtual ~FileReadCalls() = default;
  // Opens the plain file `path` with `flags`: the descriptor, or -1 with errno set.
  virtual int Open(const std::string& path, int flags);
};
// Installs `calls` for every following read (nullptr: the system's own). Returns the one it
// replaces, so a test can put it back. The object must outlive its use.
FileReadCalls* InstallFileReadCalls(FileReadCalls* calls);

// A little-endian byte stream over a file read whole into memory. Every read past the end sets
// Failed() and gives 0 / an empty string, so a short file is detected instead of read as garbage.
class InStream {
 public:
  explicit InStream(std::vector<unsigned char> bytes);
  std::uint8_t ReadByte();
  std::int16_t ReadShort();
  std::int32_t ReadInt();
  std::int64_t ReadLong();
  float ReadFloat();
  double ReadDouble();
  // `length` raw bytes as Latin-1 characters, returned as UTF-8.
  std::string ReadString(int length);
  // A text line: bytes up to LF, a NUL byte or the end; every CR is dropped; one byte per
  // character (Latin-1 -> UTF-8). Reading at the end gives "" and sets Eof().
  std::string ReadLine();
  bool Eof() const { return pos_ >= bytes_.size(); }
  bool Failed() const { return failed_; }
  std::size_t Position() const { return pos_; }
  std::size_t Size() const { return bytes_.size(); }
  void Seek(std::size_t pos);

 private:
  bool Take(void* out, std::size_t n);
  std::vector<unsigned char> bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// A little-endian byte stream built in memory and written atomically by Commit.
class OutStream {
 public:
  void WriteByte(std::uint8_t v);
  void WriteShort(std::int16_t v);
  void WriteInt(std::int32_t v);
  void WriteLong(std::int64_t v);
  void WriteFloat(float v);
  void WriteDouble(double v);
  // Characters as single bytes (low 8 bits of each code point of the UTF-8 text).
  void WriteString(const std::string& utf8);
  // WriteString + CR LF.
  void WriteLine(const std::string& utf8);
  const std::vector<unsigned char>& Bytes() const { return bytes_; }
  // Writes everything to `path` through WriteFileAtomic.
  bool Commit(const std::string& path, std::string* error = nullptr) const;

 private:
  std::vector<unsigned char> bytes_;
};

}  // namespace platform
