#pragma once
// A table of named scores kept in a small binary file (name, score, level per record), kept in
// order of descending score as entries are inserted.
//
// File: records one after the other, no header. Each record: the name, one byte per character
// with the name mask subtracted (AND 255), a 0 terminator, then score and level as little-endian
// 32-bit ints. Reading adds the mask back.

#include <list>
#include <memory>
#include <string>

class THighScore {
 public:
  std::string name;
  int score = 0;
  int level = 0;
};

class THighScoreList {
 public:
  // Subtracted from each name character on writing and added back on reading.
  static constexpr int NAME_MASK = 23;

  std::string filepath;  // the name given to Create + ".dat"
  int MaxNameLength = 10;  // stored for the users; not enforced here
  std::list<std::shared_ptr<THighScore>> Entries;
  // Set by Load when the file is there but could not be read nor put aside: it is left as it is,
  // and Save writes nothing (the table is kept in memory only).
  bool KeptInPlace = false;

  int Count() const { return static_cast<int>(Entries.size()); }
  // Empties the table and names its file (name + ".dat"); does not load. Returns 0.
  int Create(const std::string& name, int max_name_length);
  // Appends an entry at the end. Returns 0.
  int Add(const std::string& name, int score, int level);
  // Inserts before the first entry whose score is <= score (an equal score goes above), else at
  // the end. The table is never cut. Returns 0.
  int Insert(const std::string& name, int score, int level);
  // Replaces the table by the file's records (in file order); without a file, by the default
  // table, which is written at once. A record cut short by the end of the file is dropped. A file
  // that is there but is not read (not a plain file, larger than HIGH_SCORES_FILE_MAX_BYTES, or
  // one that cannot be read) is reported (not fatal) and set aside, or left where it is when it
  // cannot be moved (ccSetPlayerFileAside), and the default table takes its place. Returns 0.
  int Load();
  // Writes every entry (nothing while KeptInPlace); a file that cannot be written is the fatal
  // error "Failed to save file " + filepath + ": " and the folder with the system's reason.
  // Returns 0.
  int Save();
  // Appends ten default entries (10000 .. 1000, levels 10 .. 1) and saves. Returns 0.
  int CreateDefault();
  // Replaces the table by `count` entries "Empty" 0 0 and saves. Returns 0.
  int Zero(int count);
};
