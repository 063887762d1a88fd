#include "platform/input.h"

#include <SDL.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <deque>

#include "platform/display.h"
#include "platform/graphics_internal.h"
#include "platform/input_internal.h"
#include "platform/system.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

struct InputState {
  std::deque<Event> queue;
  std::array<bool, KEY_COUNT> down{};
  int mouse_x = 0, mouse_y = 0;
  bool text_input = true;
  bool quit_pending = false;
};

InputState& In() {
  static InputState state;
  return state;
}

// SIGHUP and SIGQUIT are passed on as SIGTERM, which SDL turns into a quit request once its event
// system is up (and which ends the program before then). kill() is safe in a signal handler.
void PassOnAsTerminate(int /*signal*/) { ::kill(::getpid(), SIGTERM); }

Event MouseEvent(int kind, int data, float wx, float wy) {
  Event e;
  e.kind = kind;
  e.data = data;
  detail::WindowToLogical(wx, wy, &e.x, &e.y);
  return e;
}

int MouseButton(Uint8 sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

// Turns one SDL event into ours (none, one, or several for a text with several characters).
void Translate(const SDL_Event& ev, std::deque<Event>& out) {
  switch (ev.type) {
    case SDL_QUIT:
      In().quit_pending = true;
      out.push_back(Event{EVENT_APP_TERMINATE, 0, In().mouse_x, In().mouse_y});
      break;
    case SDL_WINDOWEVENT:
      if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        out.push_back(Event{EVENT_APP_SUSPEND, 0, In().mouse_x, In().mouse_y});
      } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        out.push_back(Event{EVENT_APP_RESUME, 0, In().mouse_x, In().mouse_y});
      } else if (ev.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                 ev.window.event == SDL_WINDOWEVENT_SHOWN ||
                 ev.window.event == SDL_WINDOWEVENT_RESTORED) {
        detail::WindowNeedsPicture();
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int key = MapSdlKeycode(ev.key.keysym.sym);
      if (key < 0) break;
      const bool down = ev.type == SDL_KEYDOWN;
      if (ev.key.repeat == 0) {
        out.push_back(Event{down ? EVENT_KEY_DOWN : EVENT_KEY_UP, key, In().mouse_x, In().mouse_y});
      }
      // Text input carries no control characters; the game's text fields read Backspace, Enter
      // and Escape as characters too. Like typed characters, a held Backspace repeats.
      if (down && (key == KEY_BACKSPACE || ((key == KEY_ENTER || key == KEY_ESCAPE) && ev.key.repeat == 0))) {
        out.push_back(Event{EVENT_KEY_CHAR, key, In().mouse_x, In().mouse_y});
      }
      break;
    }
    case SDL_TEXTINPUT:
      for (const char32_t cp : CodePoints(ev.text.text)) {
        if (cp > 0xFFFF) continue;  // characters are 16-bit
        out.push_back(Event{EVENT_KEY_CHAR, static_cast<int>(cp), In().mouse_x, In().mouse_y});
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int button = MouseButton(ev.button.button);
      if (button == 0) break;
      out.push_back(MouseEvent(ev.type == SDL_MOUSEBUTTONDOWN ? EVENT_MOUSE_DOWN : EVENT_MOUSE_UP,
                               button, static_cast<float>(ev.button.x), static_cast<float>(ev.button.y)));
      break;
    }
    case SDL_MOUSEMOTION:
      out.push_back(MouseEvent(EVENT_MOUSE_MOVE, 0, static_cast<float>(ev.motion.x),
                               static_cast<float>(ev.motion.y)));
      break;
    case SDL_MOUSEWHEEL: {
      int steps = ev.wheel.y;
      if (ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
      if (steps == 0) break;
      out.push_back(Event{EVENT_MOUSE_WHEEL, steps, In().mouse_x, In().mouse_y});
      break;
    }
    default:
      break;
  }
}

void PumpSystem() {
  // (A display that was lost is never read again.)
  if (IsHeadless() || SDL_WasInit(SDL_INIT_EVENTS) == 0 || DisplayLost()) return;
  SDL_Event ev;
  while (SDL_PollEvent(&ev) != 0) Translate(ev, In().queue);
  detail::CheckDisplay();
}

// Keeps the polled state in step with the events handed to the game.
void Track(const Event& e) {
  auto& in = In();
  switch (e.kind) {
    case EVENT_KEY_DOWN:
    case EVENT_KEY_UP:
      if (e.data >= 0 && e.data < KEY_COUNT) in.down[static_cast<std::size_t>(e.data)] = e.kind == EVENT_KEY_DOWN;
      break;
    case EVENT_APP_SUSPEND:
      in.down.fill(false);  // key-up events are lost while the window is away
      break;
    case EVENT_MOUSE_DOWN:
    case EVENT_MOUSE_UP:
    case EVENT_MOUSE_MOVE:
      in.mouse_x = e.x;
      in.mouse_y = e.y;
      break;
    default:
      break;
  }
}

}  // namespace

namespace detail {
void NoteMousePosition(int x, int y) {
  In().mouse_x = x;
  In().mouse_y = y;
}
bool TextInputWanted() { return In().text_input; }
}  // namespace detail

bool PollEvent(Event* event) {
  auto& in = In();
  if (in.queue.empty()) PumpSystem();
  if (in.queue.empty()) return false;
  const Event e = in.queue.front();
  in.queue.pop_front();
  Track(e);
  if (event) *event = e;
  return true;
}

void PushEvent(const Event& event) {
  if (event.kind == EVENT_APP_TERMINATE) In().quit_pending = true;
  In().queue.push_back(event);
}

void FlushEvents() {
  // Everything the system holds is translated first, so a quit among it is noted, not dropped.
  PumpSystem();
  In().queue.clear();
}

bool WaitForEvent(int timeout_ms) {
  if (!In().queue.empty()) return true;
  if (IsHeadless() || SDL_WasInit(SDL_INIT_EVENTS) == 0 || DisplayLost()) return false;
  if (SDL_WaitEventTimeout(nullptr, timeout_ms) == 0) return false;
  PumpSystem();
  return !In().queue.empty();
}

bool QuitPending() {
  PumpSystem();
  return In().quit_pending;
}

bool TakeQuitRequest() {
  PumpSystem();
  const bool pending = In().quit_pending;
  In().quit_pending = false;
  return pending;
}

void CatchQuitSignals() {
  struct sigaction action{};
  action.sa_handler = PassOnAsTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGHUP, SIGQUIT}) {
    // A signal the program was started with ignored (nohup) stays ignored.
    struct sigaction current{};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
}

int MouseX() { return In().mouse_x; }
int MouseY() { return In().mouse_y; }

bool KeyIsDown(int key) {
  if (key < 0 || key >= KEY_COUNT) return false;
  return In().down[static_cast<std::size_t>(key)];
}

void EnableTextInput(bool on) {
  In().text_input = on;
  if (IsHeadless() || SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
  if (on) {
    SDL_StartTextInput();
  } else {
    SDL_StopTextInput();
  }
}

int MapSdlKeycode(int sdl_keycode) {
  const SDL_Keycode k = sdl_keycode;
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return KEY_F1 + (k - SDLK_F1);
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return KEY_NUM0 + 1 + (k - SDLK_KP_1);
  switch (k) {
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_RETURN: return KEY_ENTER;
    case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_PAUSE: return KEY_PAUSE;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_PAGEUP: return KEY_PAGEUP;
    case SDLK_PAGEDOWN: return KEY_PAGEDOWN;
    case SDLK_END: return KEY_END;
    case SDLK_HOME: return KEY_HOME;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_UP: return KEY_UP;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return KEY_INSERT;
    case SDLK_DELETE: return KEY_DELETE;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_0: return KEY_NUM0;
    case SDLK_KP_MULTIPLY: return KEY_NUMMULTIPLY;
    case SDLK_KP_PLUS: return KEY_NUMADD;
    case SDLK_KP_MINUS: return KEY_NUMSUBTRACT;
    case SDLK_KP_PERIOD: return KEY_NUMDECIMAL;
    case SDLK_KP_DIVIDE: return KEY_NUMDIVIDE;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_LSHIFT: return KEY_LSHIFT;
    case SDLK_RSHIFT: return KEY_RSHIFT;
    case SDLK_LCTRL: return KEY_LCONTROL;
    case SDLK_RCTRL: return KEY_RCONTROL;
    case SDLK_LALT: return KEY_LALT;
    case SDLK_RALT: return KEY_RALT;
    case SDLK_SEMICOLON: return KEY_SEMICOLON;
    case SDLK_EQUALS: return KEY_EQUALS;
    case SDLK_COMMA: return KEY_COMMA;
    case SDLK_MINUS: return KEY_MINUS;
    case SDLK_PERIOD: return KEY_PERIOD;
    case SDLK_SLASH: return KEY_SLASH;
    case SDLK_BACKQUOTE: return KEY_TILDE;
    case SDLK_LEFTBRACKET: return KEY_OPENBRACKET;
    case SDLK_BACKSLASH: return KEY_BACKSLASH;
    case SDLK_RIGHTBRACKET: return KEY_CLOSEBRACKET;
    case SDLK_QUOTE: return KEY_QUOTES;
    default: return -1;
  }
}

}  // namespace platform
