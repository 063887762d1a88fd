#pragma once
// The credits page: eight role captions from the text table with the people credited beneath each,
// in one centred column over the options background, and an OK button back to the options page.
// The music plays on across both switches.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"

class TBitmapFont;

class TCreditsScreen : public TScreen {
 public:
  // The text-table keys of the eight role captions, in display order.
  static const std::array<std::string, 8> RoleKeys;
  // The credited names: one for each of the first six roles; the QA and thanks lists are one line
  // each, names separated by ", ".
  static const std::array<std::string, 6> Names;
  static const std::string QANames;
  static const std::string ThanksNames;

  TCreditsScreen();

  std::array<std::string, 8> Labels{};
  std::array<std::string, 6> Data{};
  std::array<std::vector<std::string>, 2> DataWordWrapped{};
  std::shared_ptr<TBitmapFont> LabelFont;
  std::shared_ptr<TBitmapFont> DataFont;

  // One line of the page: a caption, a name, or a line of a wrapped name list, at its y (the
  // column is centred on x 401).
  static constexpr int KIND_CAPTION = 0;
  static constexpr int KIND_NAME = 1;
  static constexpr int KIND_LIST = 2;
  struct TLine {
    std::string text;
    double y = 0;
    int kind = KIND_CAPTION;
  };
  // The page's lines from the captions and names loaded, top to bottom.
  std::vector<TLine> Layout() const;

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  int SetEscDestination() override;
};
