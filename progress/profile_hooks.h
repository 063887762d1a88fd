#pragma once
// The hooks that tie the game's saved state to the player profiles.

class TProfile;

// The new-profile hook (TProfile::CreateUserFunction, installed once at start-up): gives a newly
// made profile the game's starting state through the play screen's player (TSaveData::Init).
// Does nothing while the play screen or its player does not exist yet. Returns 0.
int CreateProfileExtra(TProfile& profile);
