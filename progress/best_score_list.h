#pragma once
// The five best scores of every course, shared by all players and stored in "best.dat" in the
// per-user folder: records back to back (int32 little-endian; strings as a length and one byte per
// character): name, score, date, time, course, real. No header, count or checksum.

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "progress/best_score.h"

class TBestScoreList {
 public:
  static constexpr int PER_COURSE = 5;
  static constexpr int NAME_COUNT = 155;
  static constexpr int MAX_STRING_LENGTH = 1024;

  TBestScoreList() = default;
  virtual ~TBestScoreList() = default;
  TBestScoreList(const TBestScoreList&) = delete;
  TBestScoreList& operator=(const TBestScoreList&) = delete;

  // The entries, grouped by course, each course's in ascending score order.
  std::list<std::shared_ptr<TBestScore>> Entries;
  // The message of the last Load or Save that met a damaged or unwritable file ("" otherwise).
  std::string LastError;
  // Set by Load when the file is there but could not be read nor put aside: it is left as it is,
  // and Save writes nothing (the table is kept in memory only).
  bool KeptInPlace = false;

  int Count() const { return static_cast<int>(Entries.size()); }
  // A course's entries in table order (at most PER_COURSE).
  std::vector<std::shared_ptr<TBestScore>> ForCourse(int course) const;

  // Appends an entry as given. Returns 0.
  virtual int Add(const std::string& name, int score, const std::string& date,
                  const std::string& time, int course, int real);
  // Appends PER_COURSE made-up entries for every course index 0..Game->MaxLevels - 1.
  virtual int Generate();
  // Generates PER_COURSE made-up entries for one course, appended. Returns 0.
  int GenerateCourse(int course, const std::string& date, const std::string& time);
  // Enters a finished course's score: 0 for a new outright best, 1..5 for the place taken, -1 when
  // it does not enter (worse than all five). While the course has fewer than five entries a worse
  // score takes the next place.
  virtual int Insert(const std::string& name, int score, int course, int real);
  // Reads "best.dat": its whole records are kept (a damaged file is set aside, reported and
  // rewritten), a course with no entry gets five made-up ones, a course with more than five keeps
  // its first five; no file: a new table is generated and written. A file that is there but is not
  // read (not a plain file, larger than BEST_SCORES_FILE_MAX_BYTES, or one that cannot be read) is
  // reported and set aside, or left where it is when it cannot be moved (ccSetPlayerFileAside),
  // and a new table is generated and written (kept in memory only when the file was left).
  // Returns 0.
  virtual int Load();
  // Debug listing on the console. Returns 0.
  virtual int PrintOut();
  // Writes the table atomically. 0 when written; -1 when it could not be, after the message
  // "Failed to save file " + path + ": " and the folder with the system's reason (play goes on),
  // or without a word while KeptInPlace (Load reported it).
  virtual int Save();

  // The file's path: Game->SubPath + "best.dat".
  static std::string Path();
  // Parses the records of a best scores file; stops at the first record that is not whole.
  // Returns true when every byte belonged to a whole record.
  static bool ParseRecords(const std::vector<unsigned char>& bytes,
                           std::list<std::shared_ptr<TBestScore>>& out);
};
