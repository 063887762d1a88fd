#pragma once
// File and path helpers with the fatal-error convention: a data file the game needs and cannot
// open stops the program with a message naming the file.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/files.h"

// The path with "/" appended unless it already ends in "/" or "\"; "" gives "/".
std::string ccAddSlash(const std::string& path);
// The running program's path cut before its first ".app" (whole when there is none), a trailing
// ".debug" removed, then ".app" appended. The core derives its settings file name from it.
std::string ccAppFileNonDebug();
// Whether `name` may name a player (and so a file "<name>.dat" in the profiles folder): not blank,
// not starting with a full stop, and holding no control code nor any of the name prompt's banned
// characters, the path separators among them.
bool ccIsPlayerName(const std::string& name);
// 1 when the path names an existing file or folder, else 0.
int ccFileExists(const std::string& path);
// The most bytes a data file read whole may hold. Every committed file is far below them (the
// largest text file holds about 10 KB, a font descriptor 20 KB, a hole file 1.4 KB); a file
// past them is damaged (a crash can leave megabytes of blank lines or NULs) and would only stall
// the game.
constexpr std::int64_t TEXT_FILE_MAX_BYTES = std::int64_t{1} << 20;  // text, lists, descriptors
constexpr std::int64_t HOLE_FILE_MAX_BYTES = std::int64_t{64} << 10;
// The most bytes each player file may hold; a larger one is damaged and is set aside unread, as a
// damaged one is. Each lies about a hundred times above the largest file the game can write:
// - the settings: 21 lines of at most 42 bytes (under 1 KB);
constexpr std::int64_t SETTINGS_FILE_MAX_BYTES = std::int64_t{128} << 10;
// - a player profile: at most about 12 KB when written by the game (the head, the saved game with
//   a hole of some 60 cards, 38 statistics with their names and dates); the bound also lies above
//   the 2.3 MB that the profile's reader could accept whole at its own limits (1000 cards of 512
//   covers each, every string 1024 bytes), so no file it reads is refused for its size;
constexpr std::int64_t PROFILE_FILE_MAX_BYTES = std::int64_t{4} << 20;
// - the best scores: five records of at most 55 bytes for each of at most 100 courses (27.5 KB);
constexpr std::int64_t BEST_SCORES_FILE_MAX_BYTES = std::int64_t{4} << 20;
// - the high-score table: ten records of about 19 bytes, a few hundred with the longest names.
constexpr std::int64_t HIGH_SCORES_FILE_MAX_BYTES = std::int64_t{256} << 10;
// The name a message gives a data file: `path` with each folder and the file spelled as they stand
// on disk (the reader finds them without regard to letter case, see platform::ResolvePath); what
// stands nowhere keeps the spelling asked for. Every message about a data file names it so.
std::string ccDataFileName(const std::string& path);
// The message of a data file that is there but refused unread (`reason`, as platform::BoundedRead
// gives it: not a plain file, or past the bound of its kind): "The data file PATH is damaged:
// REASON.", PATH as ccDataFileName gives it.
std::string ccDamagedDataFile(const std::string& path, const std::string& reason);
// The message of a data file that could not be loaded: "Error loading file PATH" when it is
// missing (`reason` empty), "Error loading file PATH: REASON" when it is there but cannot be read
// (the system's reason, as platform::BoundedRead gives it: "Permission denied").
std::string ccDataFileNotLoaded(const std::string& path, const std::string& reason);
// Keeps a player's file that is there but was not read (`reason`, as platform::BoundedRead gives
// it: not a plain file, past the bound of its kind, or the system's reason it cannot be read): it
// is set aside (platform::SetFileAside), or left where it is when it cannot be moved, and reported
// (not fatal): "<what> '<path>' is damaged: REASON; it has been put aside as '<aside>'." or "...;
// it could not be put aside, so it is left where it is and not written over while the game
// runs." False when it was left: the caller then keeps what replaces it in memory only.
// `message`, when given, gets the report.
bool ccSetPlayerFileAside(const std::string& what, const std::string& path,
                          const std::string& reason, std::string* message = nullptr);
// The file read whole for reading; never null: when it is missing or cannot be read, the fatal
// error of ccDataFileNotLoaded; when it is not a plain file or holds more than max_bytes, the fatal
// error of ccDamagedDataFile.
std::unique_ptr<platform::InStream> ccLoadFile(const std::string& path,
                                               std::int64_t max_bytes = TEXT_FILE_MAX_BYTES);
// The sound loaded with the audio layer's flags; never null: the fatal error
// "Error loading sample " + ccDataFileName(path), or the message of ccDamagedDataFile when the
// file is not a plain file, or holds or decodes to more than a sound may (see platform::LoadSound).
platform::SoundRef ccLoadSample(const std::string& path, int flags);
