#include "core/upper_layer.h"

#include "platform/input.h"

int TUpperLayer::MouseClearHit() {
  Mouse.h1 = Mouse.h2 = Mouse.h3 = Mouse.mh = 0;
  return 0;
}

int TUpperLayer::MouseManage() { return Mouse.Active ? 1 : 0; }

void TUpperLayer::CalcButtonTotals() {
  Mouse.mb = Mouse.b1 + Mouse.b2 + Mouse.b3;
  Mouse.mh = Mouse.h1 + Mouse.h2 + Mouse.h3;
}

int TUpperLayer::MouseButtonDown(int button) {
  MouseClearHit();
  if (button == 1) {
    Mouse.b1 = 1;
    ++Mouse.h1;
  } else if (button == 2) {
    Mouse.b2 = 1;
    ++Mouse.h2;
  } else if (button == 3) {
    Mouse.b3 = 1;
    ++Mouse.h3;
  }
  CalcButtonTotals();
  return 0;
}

int TUpperLayer::MouseButtonUp(int button) {
  if (button == 1) Mouse.b1 = 0;
  if (button == 2) Mouse.b2 = 0;
  if (button == 3) Mouse.b3 = 0;
  CalcButtonTotals();
  return 0;
}

int TUpperLayer::MouseMove(int x, int y) {
  Mouse.x = x;
  Mouse.y = y;
  return 0;
}

int TUpperLayer::MouseWheel(int steps) {
  Mouse.z += steps;
  return 0;
}

int TUpperLayer::MouseGetMh(int clear) {
  const int hits = Mouse.mh;
  if (clear != 0) MouseClearHit();
  return hits;
}

int TUpperLayer::MouseClearButtons() {
  Mouse.b1 = Mouse.b2 = Mouse.b3 = Mouse.mb = 0;
  return MouseClearHit();
}

int TUpperLayer::MouseOn() {
  Mouse.Active = 1;
  return 0;
}

int TUpperLayer::MouseDraw() { return 0; }

int TUpperLayer::MouseUpdateCoords() {
  Mouse.x = platform::MouseX();
  Mouse.y = platform::MouseY();
  return 0;
}

int TUpperLayer::MouseX() { return Mouse.x; }
int TUpperLayer::MouseY() { return Mouse.y; }

int TUpperLayer::MouseSetPosition(int x, int y) { return MouseMove(x, y); }

int TUpperLayer::MenuManageNoSound(TMenu&) { return 0; }
int TUpperLayer::MenuManage(TMenu&) { return 0; }
int TUpperLayer::MenuDraw(TMenu&, float, float) { return 0; }
int TUpperLayer::MenuKill(TMenu&) { return 0; }

std::shared_ptr<TSprite> TUpperLayer::CreateCentredSprite(const std::shared_ptr<TGameImage>&) {
  return nullptr;
}
std::shared_ptr<TSprite> TUpperLayer::CreateHeaderSprite(const std::string&, float, float) {
  return nullptr;
}
int TUpperLayer::DrawSprite(TSprite&) { return 0; }

std::shared_ptr<TButton> TUpperLayer::CreateClickHereButton(const std::string&, const std::string&,
                                                            const std::string&, const std::string&,
                                                            int) {
  return nullptr;
}
int TUpperLayer::ButtonManage(TButton&) { return 0; }
int TUpperLayer::ButtonClicked(TButton&) { return 0; }
int TUpperLayer::ButtonPlayClick(TButton&) { return 0; }
int TUpperLayer::ButtonDraw(TButton&) { return 0; }
int TUpperLayer::ButtonKill(TButton&) { return 0; }

std::shared_ptr<TChannelArray> TUpperLayer::CreateChannels(int) { return nullptr; }
int TUpperLayer::KillChannels(TChannelArray&) { return 0; }
int TUpperLayer::StopGameChannel(TChannelArray&, const std::shared_ptr<TGameChannel>&) { return 0; }
platform::ChannelRef TUpperLayer::GameChannelAudio(TGameChannel&) { return nullptr; }

int TUpperLayer::SaveProfile(TProfile&) { return 0; }
