#pragma once
// String and number helpers: rounding for drawing, number and time text, cutting data lines into
// fields, and small array and list helpers. Strings are UTF-8; positions and lengths count
// characters (code points), 1-based where said.

#include <list>
#include <memory>
#include <string>
#include <vector>

// Upper-cases the letters a to z only (keys and names are compared this way).
std::string ccUpperCase(const std::string& text);
// Text to integer: leading white space skipped, an optional sign, then digits up to the first
// other character ("$" before the digits reads hexadecimal, "%" binary); no digits give 0.
int ccStringToInt(const std::string& text);

// Floor(x + 0.5), stopped at the int range.
int ccRound(double x);
// (integer part of x * 10^places + 0.5) / 10^places.
float ccRoundFloat(float x, int places);
// x rounded half up to `places` decimals, written with exactly that many (places <= 0: none).
std::string ccRoundFloatToString(double x, int places);
// x with `decimals` decimals (truncated; 0: no point), commas every `group` digits left of the
// point (0: none), right-aligned in width + decimals + 1 characters ("Error" when it does not fit;
// width 0: no alignment).
std::string ccFormatNumber(double x, int decimals, int group, int width);
// "+" in front of positive numbers.
std::string ccIntToStringWithSign(int n);
// "0" in front until `length` characters; longer text unchanged.
std::string ccPadWithZeros(const std::string& s, int length);
// `c` appended until at least `length` characters (c must not be empty).
std::string ccPadWithChar(const std::string& s, int length, const std::string& c);
// |ms| split into whole minutes and seconds, both negated for a negative ms. Returns 0.
int ccMillisecsToMinutes(float ms, int& minutes, int& seconds);
// "21:05" -> "9:05pm", "00:30" -> "12:30am".
std::string ccTimeTo12Hour(const std::string& time);

// The text before the first ","; all of it when there is none.
std::string ccFirstString(const std::string& s);
// The text before the first occurrence of `sub`; all of it when there is none.
std::string ccFirstStringToSub(const std::string& s, const std::string& sub);
// Returns the text before the first occurrence of `sub` and removes it and the separator from
// `s`; without `sub`, returns all of `s` and empties it.
std::string ccFirstStringToSubChop(std::string& s, const std::string& sub);
// The text after the first occurrence of `sub`; "" when there is none.
std::string ccLastStringToSub(const std::string& s, const std::string& sub);
// `count` characters from 1-based `start`, clamped to the string ("" for a negative count).
std::string ccMid(const std::string& s, int start, int count);

// target = a new array of to + 1 entries (to -1: the last index of source) holding source's
// entries from..to and empty strings below `from`. Returns 0.
int ccCopyStringArray(const std::vector<std::string>& source, std::vector<std::string>& target,
                      int from, int to);
// A new array without the entries first..last (clamped to the array).
std::vector<std::string> ccRemoveStringArraySlots(const std::vector<std::string>& array, int first,
                                                  int last);
// Sorts in place, ascending when the flag is non-zero. Returns 0.
int ccSortIntArray(std::vector<int>& array, int ascending);
// 0-based position of the first entry that is the same object (null entries are skipped and not
// counted); -1 when none.
template <class T>
int ccListIndex(const std::list<std::shared_ptr<T>>& list, const T* object) {
  int index = 0;
  for (const auto& entry : list) {
    if (!entry) continue;
    if (entry.get() == object) return index;
    ++index;
  }
  return -1;
}
// 0-based position of the first string equal to `text` (exact); -1 when none.
int ccListStringIndex(const std::list<std::string>& list, const std::string& text);
int ccListStringIndex(const std::vector<std::string>& list, const std::string& text);
