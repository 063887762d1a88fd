#pragma once
// One player's profile: a name, five progress integers, a double, three option integers and 100
// hint flags, stored in the profile file Game->ProfilePath + Name + ".dat", followed by the game's
// own block, which the profile hands to two hooks instead of writing or reading it itself.
//
// File layout (little-endian; no magic, version or checksum, stored files depend on it):
//   0  five int32 progress values, each stored as value + key (mod 2^32), the key starting at
//      8264019 and growing by 5902736 after each value
//   20 double TimeTaken;  28 int32 Difficulty, TipsFlag, InstructionsFlag
//   40 100 int32 hint flags
//   440 the game's block, written by SaveUserFunction and read by LoadUserFunction

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {
class InStream;
class OutStream;
}  // namespace platform

class TProfile {
 public:
  static constexpr int MAX_HINTS = 100;
  static constexpr std::uint32_t KEY_START = 8264019u;
  static constexpr std::uint32_t KEY_STEP = 5902736u;
  static constexpr std::size_t HEAD_SIZE = 440;  // bytes before the game's block

  // Gives every profile made by Create the game's starting state. Set once at start-up by the
  // program's entry (the game's progress code) and kept for the whole run; unset in tests.
  static inline std::function<int(TProfile& profile)> CreateUserFunction;

  TProfile() = default;
  virtual ~TProfile() = default;
  TProfile(const TProfile&) = delete;
  TProfile& operator=(const TProfile&) = delete;

  std::string Name;  // player name; also the file name without extension
  std::int32_t CurrentLevel = 0;
  std::int32_t LockedLevel = 0;
  std::int32_t Score = 0;  // the player's cash
  std::int32_t Lives = 0;
  std::int32_t Kills = 0;
  double TimeTaken = 0.0;
  std::int32_t Difficulty = 0;
  std::int32_t TipsFlag = 0;
  std::int32_t InstructionsFlag = 0;
  std::array<std::int32_t, MAX_HINTS> HintsShown{};
  // Writes the game's block at the end of the stream. Result ignored.
  std::function<int(platform::OutStream& out)> SaveUserFunction;
  // Reads the game's block from the stream's position. A negative result, or a read past the end
  // of the stream, marks the block as damaged and the whole profile is refused. Every count or
  // index read there must be range-checked by the hook before use.
  std::function<int(platform::InStream& in)> LoadUserFunction;
  // What LoadUserFunction found when it refused the block ("the saved game ends inside ..."): Load
  // empties it before calling the hook, which sets it before returning a negative result, and the
  // damaged file's message names it.
  std::string LoadUserFault;

  // Message of the last Save or Load that failed ("" after a success).
  std::string LastError;

  // A profile with the Init defaults, then CreateUserFunction when set. Touches no file.
  static std::shared_ptr<TProfile> Create(const std::string& name);

  virtual int Init(const std::string& name);
  virtual int ClearHints();
  // Writes the whole file atomically: 0 on success; -1 (reported, the old file left whole) when it
  // cannot be written or the name is not a safe file name; -1 without a word when the file is a
  // damaged one that Load could not put aside (it is never written over).
  virtual int Save();
  // 1 when the file was read. 0 when there was none and it has just been written: from memory when
  // the profile in memory is this player's (a brand-new player), else from fresh defaults, so one
  // player's progress is never stored under another's name. -1 when the file is damaged: it is
  // reported with what was found ("The player profile '...' is damaged (REASON) and has been put
  // aside."), renamed aside to Name + ".dat.damaged" (".damaged.2", ... when that name is taken: an
  // earlier damaged copy is never replaced) and the profile keeps its values. A file that is not a
  // plain file, is larger than PROFILE_FILE_MAX_BYTES or cannot be read is damaged too, and is not
  // read. One that cannot be moved is left where it is ("... is damaged (REASON) and could not be
  // put aside, so it is left where it is and not written over while the game runs.").
  virtual int Load();
  virtual int HintsSet(int value);
  // 1 when flag `index` was 0 and is now set (saved when `save` is non-zero), 0 otherwise or when
  // index lies outside 0..99.
  virtual int ShowHint(int index, int save);

  std::string Path() const;

  // A name that can be a profile file in the profiles folder: not blank, not starting with ".",
  // no path separators and none of the characters the name prompt bans.
  static bool IsValidName(const std::string& name);
  // The name prompt's check: -1 with a message for a name that cannot be used (the text-table
  // entry "Profile Exists" when its file already exists), -1 with an empty message for a blank
  // name, 0 when the name is fine.
  static int CheckNewName(const std::string& name, std::string& message);

 private:
  // Puts the file at `path` aside, reports it as damaged for `reason` and returns -1 (Load's
  // damaged file). One that cannot be moved is left where it is and named in KeptInPlace.
  int SetDamagedFileAside(const std::string& path, const std::string& reason);
  // Whose progress the fields hold: set by Init, a successful Load and a successful Save.
  std::string DataOwner;
  // The damaged file Load could not put aside, which Save never writes over ("" when none).
  std::string KeptInPlace;
};
