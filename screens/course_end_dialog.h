#pragma once
// After a course's last hole: a course under par wins its purse. Setup pays the purse and opens the
// dialog; at or above par it pays nothing and returns none.

#include <memory>
#include <string>

#include "ui/dialog_ok.h"

class TGameImage;
class TGameSound;

class TCourseEndDialog : public TDialogOK {
 public:
  int Good = 1;
  // The gopher is the dialog's Picture, standing at the foot of the frame's panel (PictureX,
  // PictureY, PictureScale).
  std::shared_ptr<TGameSound> DialogSound;

  static std::shared_ptr<TCourseEndDialog> Setup();
  static std::shared_ptr<TCourseEndDialog> Create(const std::string& caption,
                                                  const std::shared_ptr<platform::Image>& background,
                                                  int w, int h, int x);
  // The picture's centre were its foot 25 px below the box at full size: where Setup places it
  // before moving it into the panel.
  int PictureCentreY() const;
};
