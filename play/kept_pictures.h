#pragma once
// Pictures a screen of the play screen reads from files and keeps from hole to hole. Decoding them
// is most of a hole start, so a set decoded at a visit's first hole serves the holes after it while
// what it was decoded from stays the same: the image folder, the image loader's settings and each
// file's size and time of change. The play screen holds each set from the first hole that wants it
// to its Kill; without a play screen every user decodes its own.

#include <memory>
#include <string>
#include <utility>
#include <vector>

// The base of a kept set: what it was decoded from.
struct TKeptPictures {
  std::string Source;  // KeptPicturesSource when the set was decoded
};

// What pictures of `files` (names under `folder`) would be decoded from now: the folder, the image
// loader's flags and mask colour, and each file's size and time of change ("missing" for a file
// that cannot be looked at; decoding it then fails with the loader's own message).
std::string KeptPicturesSource(const std::string& folder, const std::vector<std::string>& files);

// The set to draw with now: the one `kept` holds when it was decoded from `source`, else a new Set
// that `decode(Set&)` fills, which `kept` then holds (`kept` may be null: nothing is kept). The old
// set is let go before the new one is decoded: the two are never held together.
template <class Set, class Decode>
std::shared_ptr<Set> KeptPictures(std::shared_ptr<Set>* kept, std::string source, Decode&& decode) {
  if (kept != nullptr && *kept && (*kept)->Source == source) return *kept;
  if (kept != nullptr) kept->reset();
  auto set = std::make_shared<Set>();
  set->Source = std::move(source);
  std::forward<Decode>(decode)(*set);
  if (kept != nullptr) *kept = set;
  return set;
}
