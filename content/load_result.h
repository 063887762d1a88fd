#pragma once
// The outcome of reading one of the game's data files: empty when it went well, otherwise the
// message to show and where the fault lies (file as opened, 1-based line, 0 when no line applies).

#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class InStream;
}

struct TLoadResult {
  std::string message;  // "" when the load succeeded
  std::string file;
  int line = 0;

  bool Ok() const { return message.empty(); }
  // The message as the player sees it: the game's own text first, then the file and line when the
  // message does not already name the file.
  std::string Report() const;

  static TLoadResult Fail(std::string message, std::string file, int line = 0);
};

// A piece of a damaged data file as a message may quote it: at most 60 bytes, each byte outside
// printable ASCII shown as "?".
std::string QuotedData(const std::string& text);

// A data file read whole: null, with `failure` naming the file as it stands on disk
// (ccDataFileName), when it is not a plain file or holds more than max_bytes (damaged: see
// ccDamagedDataFile) or cannot be read ("Error loading file ...").
std::unique_ptr<platform::InStream> OpenDataFile(const std::string& path, std::int64_t max_bytes,
                                                 TLoadResult& failure);
