#pragma once
// The application core's window onto the layers above it, for the real game: the mouse pointer,
// menus, sprites, buttons, the channel pool and profiles are the real classes of gfx and ui.

#include "core/upper_layer.h"

class TGameUpperLayer : public TUpperLayer {
 public:
  int MouseClearHit() override;
  int MouseManage() override;
  int MouseButtonDown(int button) override;
  int MouseButtonUp(int button) override;
  int MouseMove(int x, int y) override;
  int MouseWheel(int steps) override;
  int MouseGetMh(int clear) override;
  int MouseClearButtons() override;
  int MouseOn() override;
  int MouseDraw() override;
  int MouseUpdateCoords() override;
  int MouseX() override;
  int MouseY() override;
  int MouseSetPosition(int x, int y) override;

  int MenuManageNoSound(TMenu& menu) override;
  int MenuManage(TMenu& menu) override;
  int MenuDraw(TMenu& menu, float x, float y) override;
  int MenuKill(TMenu& menu) override;

  std::shared_ptr<TSprite> CreateCentredSprite(const std::shared_ptr<TGameImage>& image) override;
  std::shared_ptr<TSprite> CreateHeaderSprite(const std::string& path, float x, float y) override;
  int DrawSprite(TSprite& sprite) override;

  std::shared_ptr<TButton> CreateClickHereButton(const std::string& image,
                                                 const std::string& mouseOverImage,
                                                 const std::string& mouseOverSound,
                                                 const std::string& clickSound, int y) override;
  int ButtonManage(TButton& button) override;
  int ButtonClicked(TButton& button) override;
  int ButtonPlayClick(TButton& button) override;
  int ButtonDraw(TButton& button) override;
  int ButtonKill(TButton& button) override;

  std::shared_ptr<TChannelArray> CreateChannels(int count) override;
  int KillChannels(TChannelArray& pool) override;
  int StopGameChannel(TChannelArray& pool, const std::shared_ptr<TGameChannel>& channel) override;
  platform::ChannelRef GameChannelAudio(TGameChannel& channel) override;

  int SaveProfile(TProfile& profile) override;
};
