#pragma once
// After a timed hole: the seconds left on the clock are counted off one by one while a multiplier
// climbs by 0.1 a second and the hole's cash with it. The bonus total (FinalTotal) is fixed when
// the dialog opens; the score card makes it the hole's winnings once the dialog has closed.

#include <memory>
#include <string>

#include "platform/audio.h"
#include "ui/dialog_ok.h"

class TBitmapFont;
class TGameImage;
class TGameSound;

class TTimeBonusDialog : public TDialogOK {
 public:
  std::string Label1, Label2, Label3, Label4;
  std::shared_ptr<TBitmapFont> LabelFont;
  int LabelWidth = 0;
  int Seconds = 0;  // still to be counted off
  double Multiplier = 0;
  int Cash = 0;
  int Total = 0;
  int FinalTotal = 0;
  float PauseCounter = 0;  // ticks before the count starts
  float BonusCounter = 0;  // ticks to the next second
  int BonusCounterLength = 0;
  std::shared_ptr<TGameSound> BonusSound;
  platform::ChannelRef BonusChannel;
  std::shared_ptr<TGameImage> StopWatch;

  ~TTimeBonusDialog() override;

  // Builds and opens the dialog for the hole just finished (caller draws a frame first).
  static std::shared_ptr<TTimeBonusDialog> Setup();
  static std::shared_ptr<TTimeBonusDialog> Create(const std::string& caption,
                                                  const std::shared_ptr<platform::Image>& background,
                                                  int w, int h, int x);
  virtual int SetLabels();
  // `msLeft`: milliseconds left on the clock, whole seconds.
  virtual int SetAnimation(float msLeft);
  virtual int SetDataValues(int seconds);
  int Manage() override;
  int Draw() override;
  int Kill() override;
};
