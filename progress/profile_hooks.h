#pragma once
// The hooks that tie the game's saved state (GameScreen->Player->SaveData) to the player profiles,
// and the making of a new player.

#include <string>

class TProfile;
namespace platform {
class InStream;
class OutStream;
}  // namespace platform

// Makes a new player of that name with the avatar chosen on the avatar selection screen, writes
// the profile file, makes it current and names it in the settings file. Returns 0; -1 when the
// profile file could not be written or read (reported by the profile).
int CreateProfile(const std::string& name);
// The new-profile hook (TProfile::CreateUserFunction, installed once at start-up): gives a newly
// made profile the game's starting state (TSaveData::Init). Does nothing while the play screen or
// its player does not exist yet. Returns 0.
int CreateProfileExtra(TProfile& profile);
// Writes the saved game block to the profile stream. Returns 0.
int SaveProfileExtra(platform::OutStream& out);
// Reads the saved game block from the profile stream: TSaveData::Load's result (negative: the
// block is damaged, the saved state in memory is untouched and the profile refuses the file, its
// message naming TSaveData::LoadError as the profile's LoadUserFault).
// A block read whole is checked as InstallProfileHooks' hook does, against Game->CurrentProfile.
int LoadProfileExtra(platform::InStream& in);
// Installs SaveProfileExtra and a load hook on the profile. The load hook reads the block and then
// checks the saved round against the course list: a course that is not listed, or a hole outside
// 1..Holes, ends the round (MidCourse, MidHole 0, the profile's hole 1) with a message naming the
// course; cash below 0 becomes 0 with a message naming the file. Call right after
// TProfile::Create and before the profile's first Load.
void InstallProfileHooks(TProfile& profile);
// The check of InstallProfileHooks' load hook on its own: 1 when the round was ended, else 0.
int CheckSavedRound(TProfile& profile);
// The cash check of InstallProfileHooks' load hook on its own: cash is never below 0 in play, so
// a file holding less (damaged, or written by a version whose sums wrapped) is read as 0, with a
// message naming the file; the rest of the profile is sound and kept. 1 when the cash was set to
// 0, else 0.
int CheckSavedCash(TProfile& profile);
