#include "ui_test_support.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "ui/mouse_pointer.h"
#include "util/globals.h"
#include "util/input.h"

namespace ui_test {

namespace {

void WriteWav(const std::string& path) {
  // 10 ms of silence, 16-bit mono at 22050 Hz.
  const std::uint32_t samples = 220;
  const std::uint32_t dataBytes = samples * 2;
  platform::OutStream out;
  out.WriteString("RIFF");
  out.WriteInt(static_cast<std::int32_t>(36 + dataBytes));
  out.WriteString("WAVEfmt ");
  out.WriteInt(16);
  out.WriteShort(1);
  out.WriteShort(1);
  out.WriteInt(22050);
  out.WriteInt(22050 * 2);
  out.WriteShort(2);
  out.WriteShort(16);
  out.WriteString("data");
  out.WriteInt(static_cast<std::int32_t>(dataBytes));
  for (std::uint32_t i = 0; i < samples; ++i) out.WriteShort(0);
  ASSERT_TRUE(out.Commit(path));
}

void WritePicture(const std::string& path, int w, int h, unsigned argb) {
  auto pixmap = platform::CreatePixmap(w, h);
  pixmap->Fill(argb);
  ASSERT_TRUE(platform::SavePixmapPNG(*pixmap, path));
}

int counter = 0;

}  // namespace

int PointerBridge::MouseClearHit() { return Game->Mouse->ClearMouseHit(); }
int PointerBridge::MouseManage() { return Game->Mouse->Manage(); }
int PointerBridge::MouseButtonDown(int button) {
  Game->Mouse->MouseDownEvent(button);
  return 0;
}
int PointerBridge::MouseButtonUp(int button) {
  Game->Mouse->MouseUpEvent(button);
  return 0;
}
int PointerBridge::MouseMove(int x, int y) {
  Game->Mouse->MoveEvent(x, y);
  return 0;
}
int PointerBridge::MouseWheel(int steps) {
  Game->Mouse->WheelEvent(steps);
  return 0;
}
int PointerBridge::MouseGetMh(int clear) { return Game->Mouse->GetMh(clear); }
int PointerBridge::MouseClearButtons() { return Game->Mouse->ClearButtons(); }
int PointerBridge::MouseX() { return Game->Mouse->x; }
int PointerBridge::MouseY() { return Game->Mouse->y; }

void UiTest::SetUp() {
  saved_game_ = Game;
  saved_delta_ = Delta;
  Game = std::make_shared<TGame>();
  Game->Mouse = std::make_shared<TMousePointer>();
  Game->FullScreen = 1;  // the position comes from the scripted events only
  Delta = 1.0f;
  // Reported errors go to the system alert (standard error when headless), not to a modal box.
  saved_graphical_errors_ = ccGraphicalErrors;
  ccGraphicalErrors = 0;
  if (!platform::GraphicsIsOpen()) {
    std::string error;
    platform::GraphicsOptions options;
    ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
  }
  platform::ResetDrawState();
  const char* base = std::getenv("XDG_DATA_HOME");
  const std::filesystem::path dir =
      std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
      ("ui-" + std::to_string(++counter));
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  root_ = dir.string() + "/";
  for (const char* sub : {"menus/", "graphics/", "sound/", "profiles/"}) {
    platform::CreateFolder(root_ + sub);
  }
  saved_error_path_ = ccErrorPath;
  ccErrorPath = root_;  // the error log of reported errors stays in the scratch folder
  Game->MenuPath = root_ + "menus/";
  Game->ImagePath = root_ + "graphics/";
  Game->SoundPath = root_ + "sound/";
  Game->ProfilePath = root_ + "profiles/";
  WriteWav(Game->SoundPath + "buttonMO.wav");
  WriteWav(Game->SoundPath + "buttonclick.wav");
  for (const char* name : {"OK", "Yes", "No", "Cancel", "Create", "Delete"}) MakeButton(name, 100, 40);
  platform::FlushEvents();
  ccFlushAll();
}

void UiTest::TearDown() {
  platform::FlushEvents();
  ccFlushAll();
  Game = saved_game_;
  Delta = saved_delta_;
  ccGraphicalErrors = saved_graphical_errors_;
  ccErrorPath = saved_error_path_;
}

void UiTest::MakeMenuPicture(const std::string& name, int w, int h, unsigned argb) {
  WritePicture(Game->MenuPath + name + ".png", w, h, argb);
}

void UiTest::MakeButton(const std::string& name, int w, int h) {
  MakeMenuPicture(name, w, h, 0xFF808080u);
  MakeMenuPicture(name + "MO", w, h, 0xFFC0C0C0u);
}

void UiTest::MakeImage(const std::string& name, int w, int h, unsigned argb) {
  WritePicture(Game->ImagePath + name + ".png", w, h, argb);
}

void UiTest::Step() {
  Game->Mouse->ClearMouseHit();
  Game->Mouse->Manage();
  platform::Event event;
  while (platform::PollEvent(&event)) {
    switch (event.kind) {
      case platform::EVENT_MOUSE_DOWN:
        Game->Mouse->MouseDownEvent(event.data);
        break;
      case platform::EVENT_MOUSE_UP:
        Game->Mouse->MouseUpEvent(event.data);
        break;
      case platform::EVENT_MOUSE_MOVE:
        Game->Mouse->MoveEvent(event.x, event.y);
        break;
      case platform::EVENT_MOUSE_WHEEL:
        Game->Mouse->WheelEvent(event.data);
        break;
      default:
        ccProcessEvent(event);
        break;
    }
  }
}

void UiTest::MoveTo(int x, int y) {
  platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
}

void UiTest::Click(int x, int y, int button) {
  MoveTo(x, y);
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, button, x, y});
  platform::PushEvent({platform::EVENT_MOUSE_UP, button, x, y});
}

void UiTest::Press(int button) {
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, button, Game->Mouse->x, Game->Mouse->y});
}

void UiTest::Release(int button) {
  platform::PushEvent({platform::EVENT_MOUSE_UP, button, Game->Mouse->x, Game->Mouse->y});
}

void UiTest::Key(int code) {
  platform::PushEvent({platform::EVENT_KEY_DOWN, code, 0, 0});
  platform::PushEvent({platform::EVENT_KEY_UP, code, 0, 0});
}

void UiTest::PressKey(int code) {
  platform::PushEvent({platform::EVENT_KEY_DOWN, code, 0, 0});
  if (code == 8 || code == 13 || code == 27) TypeCode(code);
  platform::PushEvent({platform::EVENT_KEY_UP, code, 0, 0});
}

void UiTest::TypeCode(int code) { platform::PushEvent({platform::EVENT_KEY_CHAR, code, 0, 0}); }

void UiTest::Type(const std::string& text) {
  for (const char c : text) TypeCode(static_cast<unsigned char>(c));
}

}  // namespace ui_test
