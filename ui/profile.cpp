#include "ui/profile.h"

#include <tuple>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "util/error.h"
#include "util/files.h"

std::shared_ptr<TProfile> TProfile::Create(const std::string& name) {
  auto profile = std::make_shared<TProfile>();
  profile->Init(name);
  if (CreateUserFunction) CreateUserFunction(*profile);
  return profile;
}

int TProfile::Init(const std::string& name) {
  Name = name;
  CurrentLevel = 1;
  LockedLevel = 2;
  Score = 0;
  Lives = 3;
  Kills = 0;
  TimeTaken = 0.0;
  Difficulty = 0;
  TipsFlag = 1;
  InstructionsFlag = 1;
  ClearHints();
  DataOwner = name;
  return 0;
}

int TProfile::ClearHints() { return HintsSet(0); }

int TProfile::HintsSet(int value) {
  HintsShown.fill(value);
  return 0;
}

int TProfile::ShowHint(int index, int save) {
  if (index < 0 || index >= MAX_HINTS) return 0;
  auto& flag = HintsShown[static_cast<std::size_t>(index)];
  if (flag != 0) return 0;
  flag = 1;
  if (save != 0) Save();
  return 1;
}

std::string TProfile::Path() const { return Game->ProfilePath + Name + ".dat"; }

bool TProfile::IsValidName(const std::string& name) { return ccIsPlayerName(name); }

int TProfile::CheckNewName(const std::string& name, std::string& message) {
  message.clear();
  if (name.find_first_not_of(" \t") == std::string::npos) return -1;
  if (!IsValidName(name)) {
    message = name[0] == '.' ? "A player's name cannot begin with a full stop."
                             : "A player's name cannot hold any of the characters \" | * \\ / : ; ~ ? < > , + = %";
    return -1;
  }
  if (platform::FileExists(Game->ProfilePath + name + ".dat")) {
    message = GameText ? GameText->FindString("Profile Exists") : std::string();
    if (message.empty()) message = "A player of that name already exists.";
    return -1;
  }
  return 0;
}

int TProfile::Save() {
  const std::string path = Path();
  // Load reported it already: a damaged file that could not be put aside is never written over.
  if (path == KeptInPlace) {
    LastError = "The player profile '" + path + "' is damaged and is left where it is.";
    return -1;
  }
  if (!IsValidName(Name)) {
    LastError = "Could not create file '" + path + "'";
    ccSaveRefused(LastError);
    return -1;
  }
  platform::OutStream out;
  std::uint32_t key = KEY_START;
  for (const std::int32_t value : {CurrentLevel, LockedLevel, Score, Lives, Kills}) {
    out.WriteInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + key));
    key += KEY_STEP;
  }
  out.WriteDouble(TimeTaken);
  out.WriteInt(Difficulty);
  out.WriteInt(TipsFlag);
  out.WriteInt(InstructionsFlag);
  for (const std::int32_t flag : HintsShown) out.WriteInt(flag);
  if (SaveUserFunction) SaveUserFunction(out);
  // Written to a temporary file and renamed over the old one: a crash or a full disk leaves the
  // previous profile whole, and the failure is reported instead of being lost.
  std::string error;
  if (!out.Commit(path, &error)) {
    LastError = "Could not create file '" + path + "'";
    if (!error.empty()) LastError += ": " + error;
    ccSaveRefused(LastError);
    return -1;
  }
  LastError.clear();
  DataOwner = Name;
  return 0;
}

int TProfile::Load() {
  const std::string path = Path();
  // A name that cannot be a profile file (an empty "Profile Name" in a fresh settings file, say)
  // is refused without a message: the caller lets the player choose or create a player.
  if (!IsValidName(Name)) {
    LastError = "The player name '" + Name + "' cannot be used as a profile file name.";
    return -1;
  }
  if (KeptInPlace == path) KeptInPlace.clear();
  // A file that is not a plain file, far too large to be a profile, or that cannot be read is not
  // read: it is put aside as a damaged one is (never written over as a missing one would be).
  platform::BoundedRead file = platform::ReadBoundedFile(path, PROFILE_FILE_MAX_BYTES);
  if (!file.Read() && !file.Missing()) return SetDamagedFileAside(path, file.reason);
  auto in = file.Read() ? std::make_unique<platform::InStream>(std::move(file.bytes)) : nullptr;
  if (!in) {
    // No file: write one. When the fields hold another player's progress (the profile was given a
    // new name), that progress must not be stored under this name: start from fresh defaults.
    if (DataOwner != Name) {
      Init(Name);
      if (CreateUserFunction) CreateUserFunction(*this);
    }
    Save();
    return 0;
  }
  // Everything is read into a copy first: a damaged file leaves the profile in memory untouched.
  std::int32_t values[5];
  std::uint32_t key = KEY_START;
  for (auto& value : values) {
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(in->ReadInt()) - key);
    key += KEY_STEP;
  }
  const double timeTaken = in->ReadDouble();
  const std::int32_t difficulty = in->ReadInt();
  const std::int32_t tipsFlag = in->ReadInt();
  const std::int32_t instructionsFlag = in->ReadInt();
  std::string reason;
  if (in->Failed()) {
    reason = "it ends after " + std::to_string(in->Size()) + " bytes";
  } else {
    std::array<std::int32_t, MAX_HINTS> hints{};
    for (std::size_t i = 0; i < hints.size() && !in->Failed(); ++i) {
      hints[i] = in->ReadInt();
      // A file that ends after a whole flag is an older, shorter file: the rest stay 0.
      if (in->Eof()) break;
    }
    if (in->Failed()) {
      reason = "it ends inside a hint flag";
    } else {
      const auto kept = std::make_tuple(CurrentLevel, LockedLevel, Score, Lives, Kills, TimeTaken,
                                        Difficulty, TipsFlag, InstructionsFlag, HintsShown);
      CurrentLevel = values[0];
      LockedLevel = values[1];
      Score = values[2];
      Lives = values[3];
      Kills = values[4];
      TimeTaken = timeTaken;
      Difficulty = difficulty;
      TipsFlag = tipsFlag;
      InstructionsFlag = instructionsFlag;
      HintsShown = hints;
      int hook = 0;
      LoadUserFault.clear();
      if (LoadUserFunction) hook = LoadUserFunction(*in);
      if (hook >= 0 && !in->Failed()) {
        LastError.clear();
        DataOwner = Name;
        return 1;
      }
      std::tie(CurrentLevel, LockedLevel, Score, Lives, Kills, TimeTaken, Difficulty, TipsFlag,
               InstructionsFlag, HintsShown) = kept;
      // The game's reader names what it found; one that read past the end without a word is
      // reported by where it stopped.
      reason = LoadUserFault;
      if (reason.empty()) {
        reason = hook < 0 ? "the game's block after the hint flags is not whole"
                          : "it ends inside the game's block, after " + std::to_string(in->Size()) +
                                " bytes";
      }
    }
  }
  return SetDamagedFileAside(path, reason);
}

int TProfile::SetDamagedFileAside(const std::string& path, const std::string& reason) {
  // Kept for inspection under a name the player list does not show, and reported; the caller lets
  // the player choose or create another player.
  // An earlier damaged copy is never replaced: each gets the next free name. One that cannot be
  // moved (a folder, a folder the game may not change) stays where it is, and Save leaves it be.
  const bool moved = !platform::SetFileAside(path).empty();
  LastError = "The player profile '" + path + "' is damaged (" + reason + ") and " +
              (moved ? "has been put aside."
                     : "could not be put aside, so it is left where it is and not written over "
                       "while the game runs.");
  if (!moved) KeptInPlace = path;
  ccRunTimeError(LastError, 0);
  return -1;
}
