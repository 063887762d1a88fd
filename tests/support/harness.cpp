#include "tests/support/harness.h"

#include <pwd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/system.h"
#include "platform/text_encoding.h"

namespace quill_test {

void OpenScreen() {
  std::string error;
  platform::GraphicsOpen(platform::GraphicsOptions{}, &error);
  platform::ResetDrawState();
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
}

platform::Argb ScreenPixel(int x, int y) {
  auto pixmap = platform::GrabPixmap(x, y, 1, 1);
  return pixmap ? pixmap->ReadPixel(0, 0) : 0;
}

bool SaveScreen(const std::string& path) {
  auto pixmap = platform::GrabPixmap(0, 0, platform::GraphicsWidth(), platform::GraphicsHeight());
  return pixmap && platform::SavePixmapPNG(*pixmap, path);
}

void PushKeyDown(int key) {
  platform::PushEvent({platform::EVENT_KEY_DOWN, key, platform::MouseX(), platform::MouseY()});
}

void PushKeyUp(int key) {
  platform::PushEvent({platform::EVENT_KEY_UP, key, platform::MouseX(), platform::MouseY()});
}

void PushKey(int key) {
  PushKeyDown(key);
  PushKeyUp(key);
}

void PushText(const std::string& utf8) {
  for (const char32_t cp : platform::CodePoints(utf8)) {
    platform::PushEvent({platform::EVENT_KEY_CHAR, static_cast<int>(cp), 0, 0});
  }
}

void PushMouseMove(int x, int y) { platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, x, y}); }

void PushClick(int x, int y, int button) {
  PushMouseMove(x, y);
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, button, x, y});
  platform::PushEvent({platform::EVENT_MOUSE_UP, button, x, y});
}

void PushEventKind(int kind, int data) { platform::PushEvent({kind, data, 0, 0}); }

void AdvanceClock(int ms) { platform::AdvanceManualClock(ms); }

void PushEventAt(int kind, int data, int x, int y) { platform::PushEvent({kind, data, x, y}); }

namespace {
int pendingX = -1, pendingY = -1;
int modalPasses = 0;
}  // namespace

void PressAt(int x, int y) {
  PushEventAt(platform::EVENT_MOUSE_MOVE, 0, x, y);
  PushEventAt(platform::EVENT_MOUSE_DOWN, 1, x, y);
  pendingX = x;
  pendingY = y;
}

void ReleasePending() {
  if (pendingX < 0) return;
  PushEventAt(platform::EVENT_MOUSE_UP, 1, pendingX, pendingY);
  pendingX = pendingY = -1;
}

uid_t PlayerUid() {
  const passwd* nobody = ::getpwnam("nobody");
  return nobody != nullptr ? nobody->pw_uid : 65534;
}

gid_t PlayerGid() {
  const passwd* nobody = ::getpwnam("nobody");
  return nobody != nullptr ? nobody->pw_gid : 65534;
}

void AdvanceModalClock(int ms) {
  platform::AdvanceManualClock(ms);
  if (++modalPasses % 1000 == 0) PushEventAt(platform::EVENT_KEY_DOWN, 32);
}

std::string TempFolder(const std::string& name) {
  const char* base = std::getenv("XDG_DATA_HOME");
  const auto folder = std::filesystem::path(base != nullptr ? base : "/tmp") / name;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directories(folder, ignored);
  return folder.string() + "/";
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace quill_test
