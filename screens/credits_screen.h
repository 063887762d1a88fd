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

  int Load() override;
  int Start() override;
  int Kill() override;
  int Logic() override;
  int Draw() override;
  int SetEscDestination() override;
};
