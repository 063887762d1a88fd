#pragma once
// A sound of the sound bank that a screen cannot do without.

#include <memory>
#include <string>

class TGameSound;

// The bank's sound of that name; a name the bank does not hold stops the program with the bank's
// own message ("Sound 'NAME' was not found in the SoundBank"), whatever ShowErrors says.
std::shared_ptr<TGameSound> RequiredSound(const std::string& name);
