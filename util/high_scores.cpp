#include "util/high_scores.h"

#include "platform/files.h"
#include "platform/text_encoding.h"
#include "util/error.h"
#include "util/files.h"

namespace {

constexpr const char* kDefaultNames[10] = {"Fenwick", "Marigold", "Tobias", "Rosalind", "Barnaby",
                                           "Clementine", "Horace", "Winifred", "Percival", "Dorothea"};

}  // namespace

int THighScoreList::Create(const std::string& name, int max_name_length) {
  Entries.clear();
  filepath = name + ".dat";
  MaxNameLength = max_name_length;
  return 0;
}

int THighScoreList::Add(const std::string& name, int score, int level) {
  auto entry = std::make_shared<THighScore>();
  entry->name = name;
  entry->score = score;
  entry->level = level;
  Entries.push_back(std::move(entry));
  return 0;
}

int THighScoreList::Insert(const std::string& name, int score, int level) {
  auto entry = std::make_shared<THighScore>();
  entry->name = name;
  entry->score = score;
  entry->level = level;
  for (auto it = Entries.begin(); it != Entries.end(); ++it) {
    if (*it && (*it)->score <= score) {
      Entries.insert(it, std::move(entry));
      return 0;
    }
  }
  Entries.push_back(std::move(entry));
  return 0;
}

int THighScoreList::Load() {
  Entries.clear();
  platform::BoundedRead file = platform::ReadBoundedFile(filepath, HIGH_SCORES_FILE_MAX_BYTES);
  KeptInPlace = false;
  if (!file.Read() && !file.Missing()) {
    // Not a plain file, far too large to be a score table, or one that cannot be read: kept unread
    // and reported; the default table follows.
    KeptInPlace = !ccSetPlayerFileAside("The high-score table", filepath, file.reason);
    return CreateDefault();
  }
  if (!file.Read()) return CreateDefault();
  auto stream = std::make_unique<platform::InStream>(std::move(file.bytes));
  while (!stream->Eof()) {
    std::string name;
    bool terminated = false;
    while (!stream->Eof()) {
      const int byte = stream->ReadByte();
      if (byte == 0) {
        terminated = true;
        break;
      }
      name += platform::FromCodePoint(static_cast<char32_t>(byte + NAME_MASK));
    }
    const int score = stream->ReadInt();
    const int level = stream->ReadInt();
    // A record cut short by the end of the file is not a record.
    if (!terminated || stream->Failed()) break;
    Add(name, score, level);
  }
  return 0;
}

int THighScoreList::Save() {
  if (KeptInPlace) return 0;
  platform::OutStream out;
  for (const auto& entry : Entries) {
    if (!entry) continue;
    for (char32_t c : platform::CodePoints(entry->name)) {
      out.WriteByte(static_cast<std::uint8_t>((static_cast<int>(c) - NAME_MASK) & 255));
    }
    out.WriteByte(0);
    out.WriteInt(entry->score);
    out.WriteInt(entry->level);
  }
  std::string error;
  if (!out.Commit(filepath, &error)) ccRunTimeError("Failed to save file " + filepath + ": " + error, 1);
  return 0;
}

int THighScoreList::CreateDefault() {
  for (int i = 0; i < 10; ++i) Add(kDefaultNames[i], 10000 - i * 1000, 10 - i);
  return Save();
}

int THighScoreList::Zero(int count) {
  Entries.clear();
  for (int i = 0; i < count; ++i) Add("Empty", 0, 0);
  return Save();
}
