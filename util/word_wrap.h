#pragma once
// Splitting text into lines, greedy word wrap to a pixel width, and drawing wrapped lines with
// their drop shadows. The layout functions return new arrays and never change their input.

#include <memory>
#include <string>
#include <vector>

#include "util/text_draw.h"

// Splits at each line feed (a carriage return just before it is dropped); a final line feed adds
// no empty line; "" gives an empty array.
std::vector<std::string> ccSplitStringIntoLines(const std::string& text);
// Wraps each line greedily at spaces so that no line is wider than `width` pixels, unless it is a
// single word. Widths are measured on whole candidate lines with `font` (the sprite library's
// bitmap font passes itself), or with the current image font when `font` is null, truncated
// toward zero. Empty lines are kept; runs of spaces count as one separator. No line holds more
// than 1024 bytes (only a font whose glyphs measure next to nothing reaches that), so the time is
// linear in the text's length.
std::vector<std::string> ccWordWrapArray(const std::vector<std::string>& lines, int width,
                                         const std::shared_ptr<ccImageFont>& font = nullptr);
// As ccWordWrapArray, but a word wider than `width` is broken too, so that every line fits (a
// line of one character excepted): the word's leading part that fits ends its own line, cut after
// the last "/" or backslash in it when there is one (a path breaks between its folders), else
// between two characters. For a box whose text must stay inside it, such as a message naming a
// long path.
std::vector<std::string> ccWordWrapArrayStrict(const std::vector<std::string>& lines, int width,
                                               const std::shared_ptr<ccImageFont>& font = nullptr);
// As ccWordWrapArray, but from output line number `switch_line` (1-based) on the lines are
// wrapped to `width2`.
std::vector<std::string> ccWordWrapArraySpecial(const std::vector<std::string>& lines, int width,
                                                int width2, int switch_line,
                                                const std::shared_ptr<ccImageFont>& font = nullptr);
// Draws the lines one under another as ccShadowText does (y is the top of the first line);
// centre: each line centred on x; line_height 0: the current font's height of "ABCXYZ". Returns 0.
int ccShadowTextWrapped(float x, float y, const std::vector<std::string>& lines, int centre,
                        int line_height);
