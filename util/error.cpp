#include "util/error.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/input.h"
#include "util/strings.h"
#include "util/text_draw.h"
#include "util/word_wrap.h"

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TwoDigits(int value) { return ccPadWithZeros(std::to_string(value), 2); }

// The log of the fatal error being reported, from its hook until its box closes, or null. A
// report made meanwhile (a save that fails in the hook, the display lost while the box is up) is
// added to it instead of replacing it, so the log still names what ended the game first.
std::vector<unsigned char>* g_fatal_log = nullptr;

// Saves refused while a quit was under way, not yet taken by the entry.
int g_refused_quit_saves = 0;

// The log's three lines for `message`.
std::vector<unsigned char> LogEntry(const std::string& message) {
  const platform::LocalDateTime now = platform::Now();
  const std::string month = (now.month >= 1 && now.month <= 12) ? kMonths[now.month - 1] : "???";
  platform::OutStream log;
  log.WriteLine("Date: " + TwoDigits(now.day) + " " + month + " " +
                ccPadWithZeros(std::to_string(now.year), 4));
  log.WriteLine("Time: " + TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" +
                TwoDigits(now.second));
  log.WriteLine(message);
  return log.Bytes();
}

// Replaces the log with its three lines, or while a fatal error is reported adds them to that
// error's log. Returns what the log now holds; `on_stderr` tells whether the message went to
// standard error instead. Written before anything is shown, so that a box that never closes or a
// killed process still leaves it behind.
std::vector<unsigned char> WriteErrorLog(const std::string& message, bool* on_stderr) {
  std::vector<unsigned char> text = LogEntry(message);
  if (g_fatal_log != nullptr) {
    g_fatal_log->insert(g_fatal_log->end(), text.begin(), text.end());
    text = *g_fatal_log;
  }
  *on_stderr = false;
  if (ccWriteErrors == 0) return text;
  // A log that cannot be written (its folder moved away while the game ran) must not lose the
  // report: what it would have held goes to standard error with the reason.
  const std::string path = ccErrorPath + "ErrorLog.txt";
  std::string error;
  if (!platform::WriteFileAtomic(path, text, &error)) {
    std::fprintf(stderr, "Error: %s\n(The error log %s could not be written: %s.)\n",
                 message.c_str(), path.c_str(), error.c_str());
    std::fflush(stderr);
    *on_stderr = true;
  }
  return text;
}

// ccRunTimeError, with `settle` (when given) run for a fatal error between the log and the hook.
// `on_stderr` tells whether the message reached standard error (the log refused it, or the
// system alert showed it).
int Report(const std::string& message, int fatal, const std::function<void()>& settle,
           bool* on_stderr) {
  std::vector<unsigned char> log = WriteErrorLog(message, on_stderr);
  // A fatal error's log is the base of every report made until its box closes; an outer fatal
  // error's comes back afterwards.
  struct RestoreLog {
    std::vector<unsigned char>* log;
    ~RestoreLog() { g_fatal_log = log; }
  } restore_log{g_fatal_log};
  if (fatal != 0) g_fatal_log = &log;
  if (fatal != 0 && settle) settle();
  if (fatal != 0 && ccFatalErrorHook) {
    // Taken off while it runs: a fatal error inside the save ends the program without a second
    // save; it is put back however the save ends.
    struct RestoreHook {
      void (*hook)();
      ~RestoreHook() { ccFatalErrorHook = hook; }
    } restore_hook{std::exchange(ccFatalErrorHook, nullptr)};
    restore_hook.hook();
  }
  if (ccGraphicalErrors != 0 && platform::GraphicsIsOpen()) {
    ccEnablePolledInput();
    ccDialogOK(message, 600, 100);
    // A warning lets the game go on: its main loop must get its events again.
    if (fatal == 0) ccDisablePolledInput();
  } else {
    platform::Alert("Error", message);
    *on_stderr = true;
  }
  if (fatal != 0) throw ccFatalError(message);
  return 0;
}

}  // namespace

int ccRunTimeError(const std::string& message, int fatal) {
  bool on_stderr = false;
  return Report(message, fatal, nullptr, &on_stderr);
}

void ccRunTimeErrorSettledFirst(const std::string& message, const std::function<void()>& settle) {
  bool on_stderr = false;
  Report(message, 1, settle, &on_stderr);
  throw ccFatalError(message);
}

int ccSaveRefused(const std::string& message) {
  // Looked at before the report: a quit under way ends its box at once, unseen.
  const bool quitting = ccQuitRequested() != 0;
  bool on_stderr = false;
  Report(message, 0, nullptr, &on_stderr);
  if (quitting) {
    ++g_refused_quit_saves;
    if (!on_stderr) std::fprintf(stderr, "Error: %s\n", message.c_str());
    std::fflush(stderr);
  }
  return 0;
}

int ccTakeRefusedQuitSaves() { return std::exchange(g_refused_quit_saves, 0); }

int HandleGeneralError(std::exception_ptr thrown) {
  platform::GraphicsClose();
  platform::ShowMouse();
  std::string text;
  try {
    if (thrown) std::rethrow_exception(thrown);
    text = "Unknown error";
  } catch (const std::exception& error) {
    const std::string prefix = DebugInt != 0 ? "(" + std::to_string(DebugInt) + ") " : "";
    text = prefix + error.what();
  } catch (...) {
    text = "Unknown error";
  }
  platform::Alert("Error", text);
  return 0;
}

int ccDialogOK(const std::string& text, int width, int height) {
  if (!platform::GraphicsIsOpen()) {
    platform::Alert("Quillbrook", text);
    return 0;
  }
  // The box reads polled input; a caller that forgot to switch is switched here and back.
  const bool switched = ccPolledInputState == 0;
  if (switched) ccEnablePolledInput();

  ccRestoreSolidMode();
  const std::shared_ptr<ccImageFont> previous_font = ccGetImageFont();
  ccSetImageFont(nullptr);
  // Every line stays inside the box: a word wider than the box (a long path) is broken too.
  std::vector<std::string> lines = ccWordWrapArrayStrict(ccSplitStringIntoLines(text), width - 20);
  const int font_height = ccTextHeight("ABCXYZ");
  // The lines and "<press any key>" under them, with the 10-pixel margins. A box too low for its
  // lines grows, with half a line between them and "<press any key>", up to what the screen holds
  // with the box's shadow; lines past that are cut, the last one shown as "...".
  const int fitting = height - 20 - font_height;
  if (static_cast<int>(lines.size()) * font_height > fitting && font_height > 0) {
    const int tallest = ScreenHeight - 8;
    const int gap = font_height / 2;
    const int most_lines = std::max(1, (tallest - 20 - gap - font_height) / font_height);
    if (static_cast<int>(lines.size()) > most_lines) {
      lines.resize(static_cast<std::size_t>(most_lines));
      lines.back() = "...";
    }
    height = std::max(height,
                      20 + static_cast<int>(lines.size()) * font_height + gap + font_height);
  }
  const int x = (ScreenWidth - width) / 2;
  const int y = (ScreenHeight - height) / 2;
  ccFlushAll();

  // The box never changes: it is drawn once a second (a window uncovered meanwhile gets its
  // picture back) and the loop sleeps in between until input comes.
  constexpr int kRedrawMs = 1000;
  std::int64_t drawn_at = 0;
  bool drawn = false;
  while (ccQuitRequested() == 0 && ccAnyKeyPressed() == 0 && ccMouseHit() == 0) {
    const std::int64_t now = platform::Millisecs();
    if (!drawn || now - drawn_at >= kRedrawMs) {
      drawn = true;
      drawn_at = now;
      platform::SetColor(0, 0, 0);
      platform::DrawRect(static_cast<float>(x + 4), static_cast<float>(y + 4),
                         static_cast<float>(width), static_cast<float>(height));
      platform::SetColor(150, 150, 150);
      platform::DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                         static_cast<float>(height));
      platform::SetColor(220, 220, 200);
      ccDrawRectOutline(x, y, width, height);
      platform::SetColor(0, 220, 220);
      ccShadowTextDepthX = 1.0f;
      ccShadowTextDepthY = 1.0f;
      ccShadowTextWrapped(static_cast<float>(ScreenWidth / 2), static_cast<float>(y + 10), lines, 1,
                          font_height);
      platform::SetColor(0, 220, 0);
      ccShadowText(static_cast<float>(ScreenWidth / 2),
                   static_cast<float>(y + height - font_height - 10), "<press any key>", 1);
      ccFlip();
    }
    if (ccModalLoopHook) ccModalLoopHook();
    // Headless runs get input only from their script: with no hook to feed the loop and the queue
    // drained, no key can ever come, so the box counts as acknowledged instead of hanging the run.
    else if (platform::IsHeadless()) break;
    platform::WaitForEvent(static_cast<int>(kRedrawMs - (platform::Millisecs() - drawn_at)));
  }

  platform::SetColor(255, 255, 255);
  ccFlushAll();
  ccSetImageFont(previous_font == ccDefaultImageFont() ? nullptr : previous_font);
  if (switched) ccDisablePolledInput();
  return 0;
}
