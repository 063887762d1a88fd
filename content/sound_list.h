#pragma once
// The game's shared sounds: every sound that the screens later look up by name in `sounds`.

#include <string>
#include <vector>

struct TSoundListEntry {
  std::string File;   // relative to the sound folder, with ".ogg"
  float Pitch = 1.0f;
  float Volume = 1.0f;
  std::string Name;   // explicit bank name, "" to name it after the file
  int Flags = 0;      // 1: loops until its channel is stopped
};

// The 106 sounds in loading order: the numbered families, then the single sounds.
const std::vector<TSoundListEntry>& GameSoundList();

// Loads every sound of GameSoundList into `sounds`, one loading-bar step after each. Returns 0; a
// sound that cannot be loaded is fatal.
int LoadSounds();
