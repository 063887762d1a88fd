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
  std::shared_ptr<TGameImage> Picture;  // stands at the box's foot, drawn at PictureScale
  std::shared_ptr<TGameSound> DialogSound;

  static std::shared_ptr<TCourseEndDialog> Setup();
  static std::shared_ptr<TCourseEndDialog> Create(const std::string& caption,
                                                  const std::shared_ptr<platform::Image>& background,
                                                  int w, int h, int x);
  int Draw() override;
  int Kill() override;
  // The picture's centre: where its foot would lie 25 px below the box at full size.
  int PictureCentreY() const;
};
