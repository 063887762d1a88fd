#include "ui/mouse_pointer.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "util/globals.h"
#include "util/image.h"

TMousePointer::TMousePointer() : ParticleList(TParticleList::Create()) {}

TMousePointer::~TMousePointer() = default;

int TMousePointer::On() {
  Active = 1;
  return 0;
}

int TMousePointer::Off() {
  Active = 0;
  ParticleList->Clear();
  return 0;
}

int TMousePointer::Load(const std::string& name) {
  Image = ccLoadBitmap(Game->ImagePath + name + Ext, platform::IMAGE_DEFAULT_FLAGS);
  Image->SetHandle(static_cast<float>(offsetx), static_cast<float>(offsety));
  return CalcSize();
}

int TMousePointer::CalcSize() {
  if (Image) {
    w = Image->Width();
    h = Image->Height();
  }
  return 0;
}

int TMousePointer::Update() {
  // The platform layer reports buttons only through events; polling reads the utility library's
  // event-driven mouse state, whose hits are taken here so that each is seen by one poll.
  x = platform::MouseX();
  y = platform::MouseY();
  b1 = ccMouse.b1;
  b2 = ccMouse.b2;
  b3 = ccMouse.b3;
  h1 = ccMouse.h1;
  h2 = ccMouse.h2;
  h3 = ccMouse.h3;
  ccMouse.h1 = ccMouse.h2 = ccMouse.h3 = ccMouse.mh = 0;
  return CalcButtonTotals();
}

int TMousePointer::Manage() {
  if (Active == 0) return 0;
  if (ParticleFunc) {
    ParticleFunc();
    ParticleList->Manage();
  }
  return 1;
}

int TMousePointer::UpdateCoords() {
  // The platform layer already gives the cursor in logical pixels relative to the game window.
  x = platform::MouseX();
  y = platform::MouseY();
  return 0;
}

int TMousePointer::ClearButtons() {
  b1 = b2 = b3 = mb = 0;
  return ClearMouseHit();
}

int TMousePointer::ClearMouseHit() {
  h1 = h2 = h3 = mh = 0;
  return 0;
}

int TMousePointer::GetMb() { return mb; }

int TMousePointer::GetMh(int clear) {
  const int hits = mh;
  if (clear != 0) ClearMouseHit();
  return hits;
}

int TMousePointer::CalcButtonTotals() {
  mb = b1 + b2 + b3;
  mh = h1 + h2 + h3;
  return 0;
}

void TMousePointer::MouseDownEvent(int button) {
  ClearMouseHit();
  if (button == 1) {
    b1 = 1;
    h1 += 1;
  } else if (button == 2) {
    b2 = 1;
    h2 += 1;
  } else if (button == 3) {
    b3 = 1;
    h3 += 1;
  }
  CalcButtonTotals();
}

void TMousePointer::MouseUpEvent(int button) {
  if (button == 1) b1 = 0;
  if (button == 2) b2 = 0;
  if (button == 3) b3 = 0;
  CalcButtonTotals();
}

void TMousePointer::MoveEvent(int newX, int newY) {
  x = newX;
  y = newY;
  Placed = 1;
}

void TMousePointer::WheelEvent(int steps) { z += steps; }

int TMousePointer::Draw() {
  if (Game->FullScreen == 0) UpdateCoords();
  if (Active == 0) return 0;
  ParticleList->Draw();
  platform::SetBlend(platform::BLEND_ALPHA);
  if (Image2) {
    platform::SetScale(Image2Scale, Image2Scale);
    platform::DrawImage(Image2, static_cast<float>(x + Image2xoff), static_cast<float>(y + Image2yoff),
                        Image2Frame);
    platform::SetScale(1.0f, 1.0f);
  }
  if (Image) {
    platform::DrawImage(Image, static_cast<float>(x), static_cast<float>(y), 0);
  } else {
    platform::Plot(static_cast<float>(x), static_cast<float>(y));
  }
  return 0;
}
