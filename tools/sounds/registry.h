#pragma once
// The sound recipes, by path below the data folder. Each recipe builds its sound from a generator
// seeded by the path, so the same sources always give the same samples.

#include <functional>
#include <map>
#include <string>

#include "tools/sounds/dsp.h"

namespace snd {

using Recipe = std::function<Sound(Rng&)>;
using Registry = std::map<std::string, Recipe>;

void AddEffects(Registry& reg);    // sound/… one-shot and looping effects, the button and splash sounds
void AddJingles(Registry& reg);    // short tunes among the effects (fanfares, scorecard, course end)
void AddMusic(Registry& reg);      // music/… screen tracks
void AddAmbience(Registry& reg);
void AddNewsroom(Registry& reg);   // sound/newspaper/0..3: the newspaper page's ambience   // music/ambience/… loops and the random ambient one-shots

}  // namespace snd
