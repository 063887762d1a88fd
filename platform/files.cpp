#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/text_encoding.h"

namespace platform {

namespace {

FileWriteCalls g_system_write_calls;
FileWriteCalls* g_write_calls = &g_system_write_calls;
FileReadCalls g_system_read_calls;
FileReadCalls* g_read_calls = &g_system_read_calls;

bool PathExists(const std::string& path) {
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0;
}

// The entries of `folder` whose names equal `name` ignoring case, sorted, so the answer does not
// depend on the order the file system lists them in.
std::vector<std::string> FindNoCase(const std::string& folder, const std::string& name) {
  std::vector<std::string> found;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (EqualsNoCase(candidate, name)) found.push_back(candidate);
  }
  ::closedir(dir);
  std::sort(found.begin(), found.end());
  return found;
}

// The folder part of a path, ending in "/" ("./" for a bare name).
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t pos = path.empty() || path[0] != '/' ? 0 : 1;
  while (pos <= path.size()) {
    std::size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    parts.push_back(path.substr(pos, slash - pos));
    pos = slash + 1;
  }
  return parts;
}

// Depth-first search for an existing path: several folders may differ only in case ("Data" and
// "data"), so a component that matches more than one entry tries each until the rest matches.
bool ResolveFrom(const std::string& prefix, const std::vector<std::string>& parts, std::size_t i,
                 std::string* out) {
  if (i == parts.size()) {
    *out = prefix;
    return true;
  }
  const std::string& part = parts[i];
  const std::string sep = i + 1 < parts.size() ? "/" : "";
  if (part.empty() || part == "." || part == "..") return ResolveFrom(prefix + part + sep, parts, i + 1, out);
  std::vector<std::string> candidates;
  if (PathExists(prefix + part)) candidates.push_back(part);
  for (auto& c : FindNoCase(prefix, part)) {
    if (c != part) candidates.push_back(std::move(c));
  }
  for (const auto& c : candidates) {
    if (ResolveFrom(prefix + c + sep, parts, i + 1, out)) return true;
  }
  return false;
}

// What a failed write tells the player: the folder that refused it and the system's reason ("No
// space left on device", "Read-only file system"), which says what to do about it. A folder
// standing where the file should be is named as such: the folder around it is not at fault.
std::string WriteErrorText(const std::string& real) {
  if (errno == EISDIR) return real + " is a folder, not a file";
  return "the folder " + FolderOf(real) + " cannot be written (" + std::strerror(errno) + ")";
}

// The temporary file an atomic write makes beside its target: the target's name, ".tmp-" and the
// six characters mkstemp chose, each a letter or a digit.
constexpr char kTempMarker[] = ".tmp-";
constexpr std::size_t kTempSuffixLength = 6;

// The target a temporary file was made for, or "" when `name` is not one.
std::string TempTarget(const std::string& name) {
  constexpr std::size_t kMarkerLength = sizeof(kTempMarker) - 1;
  if (name.size() <= kMarkerLength + kTempSuffixLength) return {};
  const std::size_t marker = name.size() - kTempSuffixLength - kMarkerLength;
  if (name.compare(marker, kMarkerLength, kTempMarker) != 0) return {};
  for (std::size_t i = marker + kMarkerLength; i < name.size(); ++i) {
    if (std::isalnum(static_cast<unsigned char>(name[i])) == 0) return {};
  }
  return name.substr(0, marker);
}

// The per-user folder's lock, held until the process ends or another is taken: the folder itself
// and the lock file in it, each -1 when not held.
struct HeldLock {
  int folder_fd = -1;
  int file_fd = -1;
  std::string path;
  // Which folder was locked (device and inode), so a folder moved away and replaced by another of
  // the same name is told from it.
  bool folder_known = false;
  dev_t folder_device = 0;
  ino_t folder_inode = 0;
};

HeldLock& Held() {
  static HeldLock held;
  return held;
}

// "" when a change at `path` (as asked, or `real` as resolved) may be made: it lies outside the
// locked folder, or in it. Else why not: the locked folder was moved or removed while the game ran,
// and the folder now at its path (a second copy's, perhaps) is not this copy's to write in. The
// change is refused rather than made in the moved folder: every reader of player files goes by
// path, and writing there what was read here would mix two folders' players.
std::string MovedHeldFolder(const std::string& path, const std::string& real) {
  const HeldLock& held = Held();
  if (!held.folder_known) return {};
  const std::string folder = FolderOf(held.path);
  const auto inside = [&](const std::string& p) {
    return p.compare(0, folder.size(), folder) == 0;
  };
  if (!inside(path) && !inside(real)) return {};
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_dev == held.folder_device &&
      st.st_ino == held.folder_inode) {
    return {};
  }
  return "the folder " + folder +
         " was moved or removed while the game ran (this copy of the game "
         "writes only in the folder it started with)";
}

// A lock on the folder belongs to the open folder, which a forked process shares: a child that
// outlived this process (an alert's box) would keep the folder locked. The child closes its copies
// (closing, unlike unlocking, leaves this process's lock alone).
void CloseHeldLockInChild() {
  HeldLock& held = Held();
  if (held.folder_fd >= 0) ::close(held.folder_fd);
  if (held.file_fd >= 0) ::close(held.file_fd);
  held.folder_fd = -1;
  held.file_fd = -1;
}

// Opens the lock file for writing, making it when missing with its mode whatever the umask says,
// never through a symbolic link (ELOOP). What stands there is only known once it is open, so it is
// opened without blocking (a serial line would wait for its carrier) and without taking a terminal
// as the controlling one. -1 with errno set on failure.
int OpenLockFile(const std::string& path) {
  constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  int fd = ::open(path.c_str(), kFlags);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, kFileMode);
    if (fd >= 0) {
      ::fchmod(fd, kFileMode);
    } else if (errno == EEXIST) {
      fd = ::open(path.c_str(), kFlags);
    }
  }
  return fd;
}

// Why an existing lock file is in the way, or "" when nothing stands at `path` (the failure is then
// the folder's: read-only, full, not writable). `why` is the errno of the failed open.
std::string LockFileInTheWay(const std::string& path, int why) {
  struct stat st{};
  if (::lstat(path.c_str(), &st) != 0) return {};
  if (S_ISLNK(st.st_mode)) return "the lock file " + path + " is a symbolic link";
  if (!S_ISREG(st.st_mode)) return "the lock file " + path + " is not a plain file";
  return "the lock file " + path + " cannot be opened (" + std::strerror(why) + ")";
}

}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (std::tolower(ca) != std::tolower(cb)) return false;
  }
  return true;
}

bool NothingAt(const std::string& path) {
  struct stat st {};
  if (::stat(ResolvePath(path).c_str(), &st) == 0) return false;
  return errno == ENOENT || errno == ENOTDIR;
}

std::string ResolvePath(const std::string& path) {
  if (path.empty() || PathExists(path)) return path;
  const std::vector<std::string> parts = SplitPath(path);
  const std::string root = path[0] == '/' ? "/" : "";
  std::string resolved;
  if (ResolveFrom(root, parts, 0, &resolved)) return resolved;
  // Nothing matches in full: resolve the folder part and keep the last name as spelled, so a new
  // file in an existing folder lands in that folder.
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return path;
  if (slash == 0) return path;
  return ResolvePath(path.substr(0, slash)) + path.substr(slash);
}

bool FileExists(const std::string& path) {
  struct stat st{};
  return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st{};
  return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::int64_t FileSize(const std::string& path) {
  struct stat st{};
  if (::stat(ResolvePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

bool CreateFolder(const std::string& path, std::string* error) {
  if (path.empty()) return false;
  const std::string real = ResolvePath(path);
  // Folder by folder, so each one made here gets its mode whatever the umask says.
  std::string made = real[0] == '/' ? "/" : "";
  // The reason the first folder that could not be made gave: the folders below it then fail only
  // because it is missing.
  std::string refused;
  for (const std::string& part : SplitPath(real)) {
    made += part;
    if (!part.empty() && ::mkdir(made.c_str(), kFolderMode) == 0) {
      ::chmod(made.c_str(), kFolderMode);
    } else if (!part.empty() && refused.empty()) {
      if (errno != EEXIST) {
        refused = std::strerror(errno);
      } else if (!FolderExists(made)) {
        refused = made + " is a file, not a folder";
      }
    }
    made += '/';
  }
  if (FolderExists(real)) return true;
  if (error) *error = refused.empty() ? std::strerror(ENOENT) : refused;
  return false;
}

bool DeleteFile(const std::string& path) {
  const std::string real = ResolvePath(path);
  if (!MovedHeldFolder(path, real).empty()) return false;
  struct stat st{};
  if (::lstat(real.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return ::unlink(real.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  const std::string real_from = ResolvePath(from);
  const std::string real_to = ResolvePath(to);
  if (!MovedHeldFolder(from, real_from).empty() || !MovedHeldFolder(to, real_to).empty())
    return false;
  return ::rename(real_from.c_str(), real_to.c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to) {
  const auto bytes = ReadFileBytes(from);
  if (!bytes) return false;
  return WriteFileAtomic(to, *bytes);
}

std::vector<std::string> ListFolder(const std::string& path) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(ResolvePath(path).c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool ShareFile(const std::string& path) {
  const std::string real = ResolvePath(path);
  if (!MovedHeldFolder(path, real).empty()) return false;
  struct stat st{};
  if (::stat(real.c_str(), &st) != 0) return false;
  return ::chmod(real.c_str(), S_ISDIR(st.st_mode) ? kFolderMode : kFileMode) == 0;
}

std::string FreeAsideName(const std::string& path) {
  const std::string base = ResolvePath(path) + ".damaged";
  std::string name = base;
  for (int n = 2; PathExists(name); ++n) name = base + "." + std::to_string(n);
  return name;
}

std::string SetFileAside(const std::string& path) {
  const std::string real = ResolvePath(path);
  if (!MovedHeldFolder(path, real).empty()) return {};
  struct stat st{};
  if (::lstat(real.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return {};
  // A hard link fails rather than replace a name that appeared since it was found free, so an
  // earlier copy is never lost; file systems without hard links get a plain rename to a free name.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::string aside = FreeAsideName(real);
    if (::link(real.c_str(), aside.c_str()) == 0) {
      if (::unlink(real.c_str()) == 0) return aside;
      ::unlink(aside.c_str());
      return {};
    }
    if (errno == EEXIST) continue;
    if (PathExists(aside)) continue;
    return ::rename(real.c_str(), aside.c_str()) == 0 ? aside : std::string();
  }
  return {};
}

bool FileWriteCalls::WriteAll(const std::string& /*path*/, int fd, const unsigned char* bytes,
                              std::size_t n) {
  std::size_t done = 0;
  while (done < n) {
    const ssize_t wrote = ::write(fd, bytes + done, n - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

bool FileWriteCalls::Sync(const std::string& /*path*/, int fd) { return ::fsync(fd) == 0; }

bool FileWriteCalls::Replace(const std::string& temp, const std::string& path) {
  return ::rename(temp.c_str(), path.c_str()) == 0;
}

FileWriteCalls* InstallFileWriteCalls(FileWriteCalls* calls) {
  FileWriteCalls* previous = g_write_calls;
  g_write_calls = calls != nullptr ? calls : &g_system_write_calls;
  return previous == &g_system_write_calls ? nullptr : previous;
}

int FileReadCalls::Open(const std::string& path, int flags) { return ::open(path.c_str(), flags); }

FileReadCalls* InstallFileReadCalls(FileReadCalls* calls) {
  FileReadCalls* previous = g_read_calls;
  g_read_calls = calls != nullptr ? calls : &g_system_read_calls;
  return previous == &g_system_read_calls ? nullptr : previous;
}

namespace {

constexpr char kNotPlain[] = "it is not a plain file";

// `at_least`: the file held more than its size said when it was read, and was read no further.
std::string HoldsMore(std::int64_t size, std::int64_t max_bytes, bool at_least) {
  return std::string("it holds ") + (at_least ? "at least " : "") + std::to_string(size) +
         " bytes, more than the " + std::to_string(max_bytes) + " such a file may hold";
}

// Opens `real` for reading when it is a plain file: looked at first (a link is followed to what it
// names), opened without blocking (a named pipe put there since would otherwise wait for a writer)
// and without taking a terminal as the controlling one, then looked at again through the
// descriptor. `st` gets what was opened. -1 with `read` saying why otherwise.
int OpenChecked(const std::string& real, struct stat* st, BoundedRead* read) {
  const auto fail = [read](BoundedRead::Outcome outcome, std::string reason) {
    read->outcome = outcome;
    read->reason = std::move(reason);
    return -1;
  };
  const auto system_fault = [&fail](int why) {
    if (why == ENOENT || why == ENOTDIR) return fail(BoundedRead::Outcome::kMissing, "");
    return fail(BoundedRead::Outcome::kUnreadable, std::strerror(why));
  };
  if (::stat(real.c_str(), st) != 0) return system_fault(errno);
  if (!S_ISREG(st->st_mode)) return fail(BoundedRead::Outcome::kRefused, kNotPlain);
  const int fd = g_read_calls->Open(real, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return system_fault(errno);
  if (::fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
    ::close(fd);
    return fail(BoundedRead::Outcome::kRefused, kNotPlain);
  }
  return fd;
}

}  // namespace

BoundedRead ReadBoundedFile(const std::string& path, std::int64_t max_bytes) {
  BoundedRead read;
  const std::string real = ResolvePath(path);
  max_bytes = std::max<std::int64_t>(max_bytes, 0);
  struct stat st{};
  const int fd = OpenChecked(real, &st, &read);
  if (fd < 0) return read;
  const auto refuse = [&](std::int64_t size, bool at_least) {
    read.outcome = BoundedRead::Outcome::kRefused;
    read.reason = HoldsMore(size, max_bytes, at_least);
    read.bytes.clear();
    ::close(fd);
    return read;
  };
  if (st.st_size > max_bytes) return refuse(st.st_size, false);
  // At most one byte past the bound is read: the file may have grown since it was looked at.
  const std::uint64_t most = static_cast<std::uint64_t>(max_bytes) + 1;
  read.bytes.resize(static_cast<std::size_t>(
      std::min<std::uint64_t>(static_cast<std::uint64_t>(st.st_size) + 1, most)));
  std::size_t got = 0;
  for (;;) {
    if (got == read.bytes.size()) {
      if (got >= most) break;
      read.bytes.resize(
          static_cast<std::size_t>(std::min<std::uint64_t>(got + (got >> 1) + 4096, most)));
    }
    const ssize_t n = ::read(fd, read.bytes.data() + got, read.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read.outcome = BoundedRead::Outcome::kUnreadable;
      read.reason = std::strerror(errno);
      read.bytes.clear();
      ::close(fd);
      return read;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > static_cast<std::uint64_t>(max_bytes))
    return refuse(static_cast<std::int64_t>(got), true);
  read.bytes.resize(got);
  read.outcome = BoundedRead::Outcome::kRead;
  ::close(fd);
  return read;
}

int OpenPlainFile(const std::string& path, std::string* reason) {
  BoundedRead read;
  struct stat st {};
  const int fd = OpenChecked(ResolvePath(path), &st, &read);
  if (fd < 0 && reason != nullptr) *reason = read.Missing() ? std::strerror(ENOENT) : read.reason;
  return fd;
}

std::optional<std::vector<unsigned char>> ReadFileBytes(const std::string& path) {
  BoundedRead read = ReadBoundedFile(path, std::numeric_limits<std::int64_t>::max() - 1);
  if (!read.Read()) return std::nullopt;
  return std::move(read.bytes);
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return DecodeText(*bytes);
}

bool WriteFileAtomic(const std::string& path, const std::vector<unsigned char>& bytes,
                     std::string* error) {
  const std::string real = ResolvePath(path);
  if (const std::string moved = MovedHeldFolder(path, real); !moved.empty()) {
    if (error) *error = moved;
    return false;
  }
  std::string temp = real + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    if (error) *error = WriteErrorText(real);
    return false;
  }
  // The mode is set before the rename, so the file never appears under its name with another.
  bool ok = ::fchmod(fd, kFileMode) == 0;
  if (ok) ok = g_write_calls->WriteAll(real, fd, bytes.data(), bytes.size());
  if (ok) ok = g_write_calls->Sync(real, fd);
  if (!ok && error) *error = WriteErrorText(real);
  if (::close(fd) != 0 && ok) {
    ok = false;
    if (error) *error = WriteErrorText(real);
  }
  // Looked at again just before the file takes its name: the folder may have moved meanwhile.
  if (const std::string moved = ok ? MovedHeldFolder(path, real) : std::string(); !moved.empty()) {
    ok = false;
    if (error) *error = moved;
  } else if (ok && !g_write_calls->Replace(temp, real)) {
    ok = false;
    if (error) *error = WriteErrorText(real);
  }
  if (!ok) {
    const int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return false;
  }
  // Make the rename itself durable before reporting success.
  const std::string folder = FolderOf(real);
  const int dir_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir_fd >= 0) {
    g_write_calls->Sync(folder, dir_fd);
    ::close(dir_fd);
  }
  return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error) {
  return WriteFileAtomic(path, std::vector<unsigned char>(bytes.begin(), bytes.end()), error);
}

int RemoveStaleTempFiles(const std::string& folder,
                         const std::function<bool(const std::string& target)>& written_here) {
  const std::string real = ResolvePath(folder);
  const std::string prefix = real.empty() || real.back() == '/' ? real : real + "/";
  int removed = 0;
  for (const std::string& name : ListFolder(real)) {
    const std::string target = TempTarget(name);
    if (target.empty() || (written_here && !written_here(target))) continue;
    struct stat st{};
    const std::string path = prefix + name;
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

FileLock LockFile(const std::string& path, std::string* error) {
  static const bool forks_drop_the_lock = ::pthread_atfork(nullptr, nullptr, &CloseHeldLockInChild) == 0;
  (void)forks_drop_the_lock;
  const std::string real = ResolvePath(path);
  HeldLock& held = Held();
  if ((held.folder_fd >= 0 || held.file_fd >= 0) && held.path == real) return FileLock::kTaken;
  ReleaseFileLock();
  // The folder first: a second copy is turned away before it opens anything in it, and a lock
  // file deleted or replaced while a copy runs lets no other in. A folder that cannot be opened or
  // locked (a file system without folder locks) leaves the lock file alone to decide.
  int folder_fd = ::open(FolderOf(real).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd >= 0 && ::flock(folder_fd, LOCK_EX | LOCK_NB) != 0) {
    const int why = errno;
    ::close(folder_fd);
    folder_fd = -1;
    if (why == EWOULDBLOCK) return FileLock::kHeld;
  }
  const auto fail = [&](FileLock result, const std::string& why) {
    if (folder_fd >= 0) ::close(folder_fd);
    if (error) *error = why;
    return result;
  };
  const auto take = [&](int file_fd) {
    held.folder_fd = folder_fd;
    held.file_fd = file_fd;
    held.path = real;
    struct stat folder {};
    held.folder_known = folder_fd >= 0 ? ::fstat(folder_fd, &folder) == 0
                                       : ::stat(FolderOf(real).c_str(), &folder) == 0;
    held.folder_device = folder.st_dev;
    held.folder_inode = folder.st_ino;
    return FileLock::kTaken;
  };

  int fd = OpenLockFile(real);
  struct stat st{};
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    fd = -1;
    errno = EINVAL;
  }
  if (fd < 0) {
    const int why = errno;
    if (why == EISDIR) return fail(FileLock::kFailed, real + " is a folder, not a file");
    const std::string in_the_way = why == EROFS ? std::string() : LockFileInTheWay(real, why);
    if (in_the_way.empty()) return fail(FileLock::kFailed, std::strerror(why));
    // Held by the folder, the game needs nothing of a file it cannot open, and leaves it be.
    if (folder_fd >= 0) return take(-1);
    return fail(FileLock::kBlocked, in_the_way);
  }
  struct flock whole{};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  if (::fcntl(fd, F_SETLK, &whole) != 0) {
    const int why = errno;
    ::close(fd);
    // A copy that could not lock the folder (or one that locks only the file) holds it.
    if (why == EACCES || why == EAGAIN) {
      if (folder_fd >= 0) ::close(folder_fd);
      return FileLock::kHeld;
    }
    if (folder_fd >= 0) return take(-1);
    return fail(FileLock::kUnlocked, std::strerror(why));
  }
  return take(fd);
}

void ReleaseFileLock() {
  HeldLock& held = Held();
  if (held.folder_fd >= 0) ::close(held.folder_fd);
  if (held.file_fd >= 0) ::close(held.file_fd);
  held = HeldLock{};
}

// ---- InStream --------------------------------------------------------------------------------

InStream::InStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

bool InStream::Take(void* out, std::size_t n) {
  if (bytes_.size() - pos_ < n) {
    failed_ = true;
    pos_ = bytes_.size();
    std::memset(out, 0, n);
    return false;
  }
  std::memcpy(out, bytes_.data() + pos_, n);
  pos_ += n;
  return true;
}

namespace {
template <typename T>
T FromLittleEndian(const unsigned char* b) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) v |= static_cast<std::uint64_t>(b[i]) << (8 * i);
  T out;
  if constexpr (sizeof(T) == 1) {
    out = static_cast<T>(v);
  } else {
    using U = std::conditional_t<sizeof(T) == 2, std::uint16_t,
                                 std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>;
    const U u = static_cast<U>(v);
    std::memcpy(&out, &u, sizeof(T));
  }
  return out;
}

template <typename T>
void AppendLittleEndian(std::vector<unsigned char>& bytes, T value) {
  using U = std::conditional_t<
      sizeof(T) == 1, std::uint8_t,
      std::conditional_t<sizeof(T) == 2, std::uint16_t,
                         std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
  U u;
  std::memcpy(&u, &value, sizeof(T));
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes.push_back(static_cast<unsigned char>(u >> (8 * i)));
}
}  // namespace

std::uint8_t InStream::ReadByte() {
  unsigned char b[1];
  return Take(b, 1) ? b[0] : 0;
}

std::int16_t InStream::ReadShort() {
  unsigned char b[2];
  return Take(b, 2) ? FromLittleEndian<std::int16_t>(b) : 0;
}

std::int32_t InStream::ReadInt() {
  unsigned char b[4];
  return Take(b, 4) ? FromLittleEndian<std::int32_t>(b) : 0;
}

std::int64_t InStream::ReadLong() {
  unsigned char b[8];
  return Take(b, 8) ? FromLittleEndian<std::int64_t>(b) : 0;
}

float InStream::ReadFloat() {
  unsigned char b[4];
  return Take(b, 4) ? FromLittleEndian<float>(b) : 0.0f;
}

double InStream::ReadDouble() {
  unsigned char b[8];
  return Take(b, 8) ? FromLittleEndian<double>(b) : 0.0;
}

std::string InStream::ReadString(int length) {
  if (length < 0 || bytes_.size() - pos_ < static_cast<std::size_t>(length)) {
    failed_ = true;
    pos_ = bytes_.size();
    return {};
  }
  std::string raw(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                  bytes_.begin() + static_cast<std::ptrdiff_t>(pos_) + length);
  pos_ += static_cast<std::size_t>(length);
  return Latin1ToUtf8(raw);
}

std::string InStream::ReadLine() {
  std::string raw;
  while (pos_ < bytes_.size()) {
    const unsigned char c = bytes_[pos_++];
    if (c == '\n' || c == 0) break;
    if (c == '\r') continue;
    raw += static_cast<char>(c);
  }
  return Latin1ToUtf8(raw);
}

void InStream::Seek(std::size_t pos) { pos_ = std::min(pos, bytes_.size()); }

// ---- OutStream -------------------------------------------------------------------------------

void OutStream::WriteByte(std::uint8_t v) { bytes_.push_back(v); }
void OutStream::WriteShort(std::int16_t v) { AppendLittleEndian(bytes_, v); }
void OutStream::WriteInt(std::int32_t v) { AppendLittleEndian(bytes_, v); }
void OutStream::WriteLong(std::int64_t v) { AppendLittleEndian(bytes_, v); }
void OutStream::WriteFloat(float v) { AppendLittleEndian(bytes_, v); }
void OutStream::WriteDouble(double v) { AppendLittleEndian(bytes_, v); }

void OutStream::WriteString(const std::string& utf8) {
  for (const char32_t cp : CodePoints(utf8)) bytes_.push_back(static_cast<unsigned char>(cp & 0xFF));
}

void OutStream::WriteLine(const std::string& utf8) {
  WriteString(utf8);
  bytes_.push_back('\r');
  bytes_.push_back('\n');
}

bool OutStream::Commit(const std::string& path, std::string* error) const {
  return WriteFileAtomic(path, bytes_, error);
}

}  // namespace platform
