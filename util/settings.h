#pragma once
// Settings lines ("KEY=value", one per line) and the settings-file class built on them.
//
// Line format: the key is the text before the first "=", the value the text after it (further
// "=" belong to the value); a line without "=" is all key with an empty value. Nothing is
// trimmed. Keys compare after upper-casing a to z; values are kept exactly. Written lines are
// the upper-cased key + "=" + value, one byte per character, ended by CR LF.

#include <list>
#include <memory>
#include <string>

namespace platform {
class OutStream;
}

// One settings entry.
class TIniLine {
 public:
  std::string Name;   // the key, upper-cased
  std::string Value;  // the value as text
};

// The settings file: the registered entries in registration order. There is no look-up: users
// walk the entries (range-for over the file) and compare Name with an upper-case key.
class TIniFile {
 public:
  // Path of the file without its extension; the file is FileName + ".ini".
  std::string FileName;
  std::list<std::shared_ptr<TIniLine>> Lines;
  // Set by Load when the file is there but could not be read nor put aside: it is left as it is,
  // and Save writes nothing (the settings are kept in memory only).
  bool KeptInPlace = false;

  auto begin() { return Lines.begin(); }
  auto end() { return Lines.end(); }
  auto begin() const { return Lines.begin(); }
  auto end() const { return Lines.end(); }
  int Count() const { return static_cast<int>(Lines.size()); }

  // Appends an entry (key upper-cased, value = default). A key added twice gives two entries.
  int Add(const std::string& key, const std::string& default_value);
  // Reads the file into the entries whose key matches (a later line wins; unknown lines are
  // ignored; a missing file is not an error), then always saves, so the file afterwards holds
  // exactly the registered entries. A file that is there but is not read (not a plain file, larger
  // than SETTINGS_FILE_MAX_BYTES, or one that cannot be read) is reported (not fatal) and set aside
  // as "<file>.damaged" (ccSetPlayerFileAside), or left where it is when it cannot be moved, and
  // the entries keep their values. Returns 0.
  int Load();
  // Writes every entry atomically (nothing while KeptInPlace); a file that cannot be written is
  // the fatal error "Failed to save file " + FileName + ".ini: " and the folder with the system's
  // reason (see platform::WriteFileAtomic); the old file stays whole. Returns 0.
  int Save();
};

// The value of the first line of the file whose key matches; "" when none, no file or a file
// larger than SETTINGS_FILE_MAX_BYTES.
std::string ccReadIniLine(const std::string& path, const std::string& key);
// Copies source to target (atomically), replacing every line with that key by KEY=value; a key
// that the source lacks is not added. 1 when the target was written, 0 when the source cannot be
// read (or is larger than SETTINGS_FILE_MAX_BYTES) or the target cannot be written.
int ccWriteIniLine(const std::string& source, const std::string& target, const std::string& key,
                   const std::string& value);
// Write one settings line (upper-cased key) to a stream; return 0.
int ccWriteIniNumber(platform::OutStream& stream, const std::string& key, int number);
int ccWriteIniString(platform::OutStream& stream, const std::string& key, const std::string& text);
// The key part of a line (not upper-cased) and its value part.
std::string ccIniFirstString(const std::string& line);
std::string ccIniLastString(const std::string& line);
