#include "ui/button.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "ui/mouse_pointer.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"

TButton::TButton() = default;
TButton::~TButton() = default;

bool TButton::InputReady() const {
  return Active != 0 && (Disabled == 0 || (Disabled == 1 && ClickDisabled == 1));
}

int TButton::Load(const std::string& imageName, const std::string& mouseOverName,
                  const std::string& mouseOverSound, const std::string& clickSound, int frameWidth,
                  int frameHeight, int frames) {
  SetName(imageName);
  if (!Game->Channels) {
    ChannelMouseOver = platform::AllocChannel();
    ChannelClick = platform::AllocChannel();
  }
  LoadImages(imageName, mouseOverName, frameWidth, frameHeight, frames);
  if (!mouseOverSound.empty()) {
    SoundMouseOver = TGameSound::Create(Game->SoundPath + mouseOverSound + SoundExt, 0);
  }
  if (!clickSound.empty()) {
    SoundClick = TGameSound::Create(Game->SoundPath + clickSound + SoundExt, 0);
  }
  return Init();
}

namespace {

std::shared_ptr<TGameImage> LoadPicture(const std::string& path, int frameWidth, int frameHeight,
                                        int frames) {
  auto picture = std::make_shared<TGameImage>();
  if (frames > 1) {
    picture->LoadAnim(path, frameWidth, frameHeight, 0, frames, platform::IMAGE_DEFAULT_FLAGS, 0);
  } else {
    picture->Load(path, platform::IMAGE_DEFAULT_FLAGS, 0);
  }
  picture->MidHandle(0);
  return picture;
}

}  // namespace

int TButton::LoadImages(const std::string& imageName, const std::string& mouseOverName,
                        int frameWidth, int frameHeight, int frames) {
  image = LoadPicture(GetPath() + imageName + Ext, frameWidth, frameHeight, frames);
  if (!mouseOverName.empty()) {
    ImageMouseOver = LoadPicture(GetPath() + mouseOverName + Ext, frameWidth, frameHeight, frames);
  }
  return 0;
}

std::string TButton::GetPath() { return UseMenuPath == 1 ? Game->MenuPath : Game->ImagePath; }

int TButton::LoadDisabled(const std::string& pictureName) {
  ImageDisabled = LoadPicture(GetPath() + pictureName + Ext, 0, 0, 1);
  return 0;
}

int TButton::LoadMouseClick(const std::string& pictureName, int ms) {
  ImageMouseClick = LoadPicture(GetPath() + pictureName + Ext, 0, 0, 1);
  MouseClickDuration = Game->CalcAnimLength(ms);
  return 0;
}

int TButton::Precache() {
  for (const auto& picture : {image, ImageMouseOver, ImageDisabled, ImageMouseClick}) {
    if (picture && picture->image) ccCreateFrames(picture->image);
  }
  return 0;
}

int TButton::Init() {
  TSprite::Init();
  GetSize();
  MouseOver = 0;
  Clicked = 0;
  return 0;
}

int TButton::Kill() {
  if (!Game->Channels) {
    if (ChannelMouseOver) ChannelMouseOver->Stop();
    if (ChannelClick) ChannelClick->Stop();
  }
  ChannelMouseOver.reset();
  ChannelClick.reset();
  return 0;
}

int TButton::CentreX(int newY) {
  x = static_cast<float>((ScreenWidth - w) / 2);
  y = static_cast<float>(newY);
  return 0;
}

int TButton::SetFixedGlowOnMO(float glow, float speed, int useMouseOverPicture) {
  FixedGlowOnMO = 1;
  FixedGlowOnMOUseMO = useMouseOverPicture;
  GlowMax = glow;
  GlowSpeed = speed;
  return 0;
}

int TButton::FixedGlowOnMOActivate() {
  if (FixedGlowOnMO == 1 && MouseClickCounter == 0) {
    SetGlow(GLOW_DECAY, GlowMax, GlowSpeed, 0, GlowMax);
  }
  return 0;
}

int TButton::SetAutoGlow(float min, float max, float speed, int onMouseOver) {
  SetGlow(GLOW_PULSE, max, speed, min, max);
  AutoGlowOnMO = onMouseOver;
  return 0;
}

int TButton::ManageNoSound() {
  NoSound = 1;
  Manage();
  NoSound = 0;
  return 0;
}

int TButton::ManageScaleOnMO() {
  if (ScaleOnMO > 1.0f) {
    ScaleOnMO -= ScaleOnMODownSpeed * Delta;
    if (ScaleOnMO < 1.0f) ScaleOnMO = 1.0f;
  }
  return 0;
}

int TButton::Manage() {
  if (InputReady()) {
    if (FramesTotal > 0) ManageAnim();
    if (GlowMode > 0) ManageGlow();
    const int mx = Game->Mouse->x;
    const int my = Game->Mouse->y;
    const bool over = x <= static_cast<float>(mx) && static_cast<float>(mx) < x + static_cast<float>(w) &&
                      y <= static_cast<float>(my) && static_cast<float>(my) < y + static_cast<float>(h);
    const bool counts = over && (!MouseOverUserFunction || MouseOverUserFunction() == 0);
    if (counts) {
      if (MouseClickCounter == 0) {
        if (MouseOver == 0 && NoSound == 0) PlayMouseOver();
        MouseOver = 1;
      }
      FixedGlowOnMOActivate();
      // Taking the hit clears it, so no later button or widget sees this click in this tick.
      if (Game->Mouse->GetMh(1) != 0) {
        Click();
      } else {
        Clicked = 0;
      }
      if (ScaleOnMOMax > 1.0f) {
        ScaleOnMO += ScaleOnMOUpSpeed * Delta;
        if (ScaleOnMO > ScaleOnMOMax) ScaleOnMO = ScaleOnMOMax;
      }
    } else {
      MouseOver = 0;
      Clicked = 0;
      ManageScaleOnMO();
    }
    if (OKButton != 0) {
      if (KeyHit(KEY_ENTER) != 0) {
        SimulateClick();
      } else if (KeyHit(KEY_SPACE) != 0 && OKButtonUseSpace != 0) {
        SimulateClick();
      }
    }
  } else {
    MouseOver = 0;
    Clicked = 0;
    if (FixedGlowOnMO == 1) ManageGlow();
    ManageScaleOnMO();
  }
  if (MouseClickCounter > 0) {
    MouseClickCounter -= 1.0f * Delta;
    if (MouseClickCounter < 0) MouseClickCounter = 0;
  }
  return 0;
}

int TButton::Click() {
  if (MouseClickCounter == 0 || (ClickWhenDown == 1 && MouseClickCounter > 0)) {
    if (Clicked == 0 && NoSound == 0) PlayClick();
    Clicked = 1;
    if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
    return 1;
  }
  return 0;
}

int TButton::SimulateClick() {
  FixedGlowOnMOActivate();
  if (Click() == 1) MouseOver = 1;
  return 0;
}

int TButton::ClearClick() {
  Clicked = 0;
  MouseClickCounter = 0;
  Glow = 0;
  MouseOver = 0;
  return 0;
}

namespace {

void PlayButtonSound(const std::shared_ptr<TGameSound>& sound, platform::ChannelRef& channel) {
  if (!sound) return;
  if (Game->Channels) {
    Game->Channels->PlayGameSound(sound, nullptr, 1.0f, 0.0f);
  } else {
    sound->PlayInChannel(channel, 0.0f);
  }
}

}  // namespace

int TButton::PlayClick() {
  PlayButtonSound(SoundClick, ChannelClick);
  return 0;
}

int TButton::PlayMouseOver() {
  PlayButtonSound(SoundMouseOver, ChannelMouseOver);
  return 0;
}

void TButton::DrawPicture(const std::shared_ptr<TGameImage>& picture, int pictureFrame,
                          bool glowPass) {
  if (!picture) return;
  DrawShadow(picture, 0, 0);
  platform::DrawImage(picture->image, x, y, pictureFrame);
  if (glowPass) {
    DrawLight(Glow, 1, 1, 1, picture);
    if (UseAlpha != 0) platform::SetAlpha(Alpha);
  }
}

int TButton::Draw() {
  if (Active == 0 && AlwaysDraw == 0) return 0;
  platform::SetBlend(platform::BLEND_ALPHA);
  const float keptX = x, keptY = y;
  x += offx;
  y += offy;
  if (UseAlpha != 0) platform::SetAlpha(Alpha);
  const bool grown = ScaleOnMO > 1.0f;
  const float keptScaleX = ScaleX, keptScaleY = ScaleY;
  if (grown) {
    platform::SetScale(ScaleOnMO, ScaleOnMO);
    const float iw = image ? static_cast<float>(image->w) : static_cast<float>(w);
    const float ih = image ? static_cast<float>(image->h) : static_cast<float>(h);
    x += iw * (1.0f - ScaleOnMO) / 2.0f;
    y += ih * (1.0f - ScaleOnMO) / 2.0f;
    ScaleX = ScaleOnMO;
    ScaleY = ScaleOnMO;
  } else {
    platform::SetScale(ScaleX, ScaleY);
  }
  const bool glowing = GlowMode > 0 && Glow > 0;
  if (MouseClickCounter > 0 && ImageMouseClick) {
    DrawPicture(ImageMouseClick, 0, glowing);
  } else if ((MouseOver != 0 && ImageMouseOver) ||
             (FixedGlowOnMOUseMO != 0 && glowing && ImageMouseOver)) {
    DrawPicture(ImageMouseOver, frame,
                glowing && (FixedGlowOnMO != 0 || AutoGlowOnMO != 0));
  } else if (Disabled != 0 && ImageDisabled) {
    DrawPicture(ImageDisabled, 0, false);
  } else {
    DrawPicture(image, frame, glowing);
  }
  x = keptX;
  y = keptY;
  if (UseAlpha != 0) platform::SetAlpha(1.0f);
  if (grown) {
    ScaleX = keptScaleX;
    ScaleY = keptScaleY;
  }
  platform::SetScale(1.0f, 1.0f);
  return 1;
}
