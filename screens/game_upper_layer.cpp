#include "screens/game_upper_layer.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/image_bank.h"
#include "gfx/sprite.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/mouse_pointer.h"
#include "ui/profile.h"

namespace {

// The pointer the game installed; the core's own stand-in state serves until then.
TMousePointer* Pointer() { return Game ? Game->Mouse.get() : nullptr; }

}  // namespace

int TGameUpperLayer::MouseClearHit() {
  if (auto* p = Pointer()) return p->ClearMouseHit();
  return TUpperLayer::MouseClearHit();
}
int TGameUpperLayer::MouseManage() {
  if (auto* p = Pointer()) return p->Manage();
  return TUpperLayer::MouseManage();
}
int TGameUpperLayer::MouseButtonDown(int button) {
  if (auto* p = Pointer()) {
    p->MouseDownEvent(button);
    return 0;
  }
  return TUpperLayer::MouseButtonDown(button);
}
int TGameUpperLayer::MouseButtonUp(int button) {
  if (auto* p = Pointer()) {
    p->MouseUpEvent(button);
    return 0;
  }
  return TUpperLayer::MouseButtonUp(button);
}
int TGameUpperLayer::MouseMove(int x, int y) {
  if (auto* p = Pointer()) {
    p->MoveEvent(x, y);
    return 0;
  }
  return TUpperLayer::MouseMove(x, y);
}
int TGameUpperLayer::MouseWheel(int steps) {
  if (auto* p = Pointer()) {
    p->WheelEvent(steps);
    return 0;
  }
  return TUpperLayer::MouseWheel(steps);
}
int TGameUpperLayer::MouseGetMh(int clear) {
  if (auto* p = Pointer()) return p->GetMh(clear);
  return TUpperLayer::MouseGetMh(clear);
}
int TGameUpperLayer::MouseClearButtons() {
  if (auto* p = Pointer()) return p->ClearButtons();
  return TUpperLayer::MouseClearButtons();
}
int TGameUpperLayer::MouseOn() {
  if (auto* p = Pointer()) return p->On();
  return TUpperLayer::MouseOn();
}
int TGameUpperLayer::MouseDraw() {
  if (auto* p = Pointer()) return p->Draw();
  return 0;
}
int TGameUpperLayer::MouseUpdateCoords() {
  if (auto* p = Pointer()) return p->UpdateCoords();
  return TUpperLayer::MouseUpdateCoords();
}
int TGameUpperLayer::MouseX() {
  if (auto* p = Pointer()) return p->x;
  return TUpperLayer::MouseX();
}
int TGameUpperLayer::MouseY() {
  if (auto* p = Pointer()) return p->y;
  return TUpperLayer::MouseY();
}
int TGameUpperLayer::MouseSetPosition(int x, int y) {
  if (auto* p = Pointer()) {
    p->x = x;
    p->y = y;
    p->Placed = 1;
    return 0;
  }
  return TUpperLayer::MouseSetPosition(x, y);
}

int TGameUpperLayer::MenuManageNoSound(TMenu& menu) { return menu.ManageNoSound(); }
int TGameUpperLayer::MenuManage(TMenu& menu) { return menu.Manage(); }
int TGameUpperLayer::MenuDraw(TMenu& menu, float x, float y) { return menu.Draw(x, y); }
int TGameUpperLayer::MenuKill(TMenu& menu) { return menu.Kill(); }

std::shared_ptr<TSprite> TGameUpperLayer::CreateCentredSprite(
    const std::shared_ptr<TGameImage>& image) {
  if (!image) return nullptr;
  auto sprite = TSprite::Create(image, 0, 0);
  sprite->Centre();
  return sprite;
}

std::shared_ptr<TSprite> TGameUpperLayer::CreateHeaderSprite(const std::string& path, float x,
                                                             float y) {
  return TSprite::Create(TGameImage::Create(path, -1, 1), x, y);
}

int TGameUpperLayer::DrawSprite(TSprite& sprite) { return sprite.Draw(); }

std::shared_ptr<TButton> TGameUpperLayer::CreateClickHereButton(const std::string& image,
                                                                const std::string& mouseOverImage,
                                                                const std::string& mouseOverSound,
                                                                const std::string& clickSound,
                                                                int y) {
  auto button = std::make_shared<TButton>();
  button->Load(image, mouseOverImage, mouseOverSound, clickSound, 0, 0, 1);
  button->CentreX(y);
  button->OKButton = 1;
  return button;
}

int TGameUpperLayer::ButtonManage(TButton& button) { return button.Manage(); }
int TGameUpperLayer::ButtonClicked(TButton& button) { return button.Clicked; }
int TGameUpperLayer::ButtonPlayClick(TButton& button) { return button.PlayClick(); }
int TGameUpperLayer::ButtonDraw(TButton& button) { return button.Draw(); }
int TGameUpperLayer::ButtonKill(TButton& button) { return button.Kill(); }

std::shared_ptr<TChannelArray> TGameUpperLayer::CreateChannels(int count) {
  auto pool = TChannelArray::Create(count);
  pool->MaxVol = static_cast<float>(count);
  return pool;
}

int TGameUpperLayer::KillChannels(TChannelArray& pool) { return pool.Kill(); }

int TGameUpperLayer::StopGameChannel(TChannelArray& pool,
                                     const std::shared_ptr<TGameChannel>& channel) {
  return pool.StopGameChannel(channel);
}

platform::ChannelRef TGameUpperLayer::GameChannelAudio(TGameChannel& channel) {
  return channel.Channel;
}

int TGameUpperLayer::SaveProfile(TProfile& profile) { return profile.Save(); }
