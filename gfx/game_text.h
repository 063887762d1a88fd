#pragma once
// The text table: every user-visible text looked up by key. The file is a series of entries, each a
// "[TEXT]" header line, a key line and any number of value lines; the later of two entries with the
// same key (in any case) wins. The global `GameText` (gfx/globals.h) holds "gametext.txt".

#include <memory>
#include <string>
#include <vector>

class TGameText;
using TGameTextRef = std::shared_ptr<TGameText>;

class TGameText {
 public:
  // Each entry: the upper-cased key, then its value lines, in file order (duplicates kept).
  std::vector<std::vector<std::string>> Entries;

  // Reads Game->TextPath + file.
  static TGameTextRef Create(const std::string& file);
  int Count() const { return static_cast<int>(Entries.size()); }
  // Empties the table and reads Game->TextPath + file. A missing file or a section that does not
  // open with "[TEXT]" is fatal.
  int Read(const std::string& file);
  // Reads from text already decoded to UTF-8 (the part of Read after the file is loaded); `file`,
  // when given, is named with the line in the message of a missing header.
  int ReadText(const std::string& text, const std::string& file = {});
  // The value lines of the last entry with that key; empty when missing.
  std::vector<std::string> Find(const std::string& key) const;
  // The value lines joined with "\r\n"; "" when missing.
  std::string FindString(const std::string& key) const;
};
