#include "platform/input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/graphics_internal.h"
#include "platform/system.h"

namespace {

TEST(InputTest, SdlKeysMapToTheGamesCodes) {
  const std::pair<int, int> cases[] = {
      {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32},
      {SDLK_LEFT, 37}, {SDLK_UP, 38}, {SDLK_RIGHT, 39}, {SDLK_DOWN, 40},
      {SDLK_a, 'A'}, {SDLK_z, 'Z'}, {SDLK_0, '0'}, {SDLK_9, '9'},
      {SDLK_F1, 112}, {SDLK_F12, 123}, {SDLK_LSHIFT, 160}, {SDLK_RSHIFT, 161},
      {SDLK_LCTRL, 162}, {SDLK_RCTRL, 163}, {SDLK_LALT, 164}, {SDLK_RALT, 165},
      {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9}, {SDLK_DELETE, 46}, {SDLK_KP_0, 96}, {SDLK_KP_9, 105},
      {SDLK_MINUS, 189}, {SDLK_BACKQUOTE, 192},
      // Keys the game has no code for are dropped, never turned into an index out of range.
      {SDLK_F13, -1}, {SDLK_AUDIOPLAY, -1}, {SDLK_MODE, -1}, {0x40000123, -1}, {0x10FFFF, -1},
  };
  for (const auto& [sdl, code] : cases) {
    EXPECT_EQ(platform::MapSdlKeycode(sdl), code) << sdl;
    EXPECT_LT(platform::MapSdlKeycode(sdl), platform::KEY_COUNT);
  }
}

TEST(InputTest, EventsComeOutInOrderAndKeepTheState) {
  platform::FlushEvents();
  platform::PushEvent({platform::EVENT_KEY_DOWN, platform::KEY_LEFT, 0, 0});
  platform::PushEvent({platform::EVENT_KEY_CHAR, 0xE9, 0, 0});
  platform::PushEvent({platform::EVENT_MOUSE_MOVE, 0, 850, -20});  // outside the screen: kept as is
  platform::PushEvent({platform::EVENT_MOUSE_DOWN, 1, 12, 34});
  platform::Event e;
  ASSERT_TRUE(platform::PollEvent(&e));
  EXPECT_EQ(e.kind, 513);
  EXPECT_TRUE(platform::KeyIsDown(platform::KEY_LEFT));
  ASSERT_TRUE(platform::PollEvent(&e));
  EXPECT_EQ(e.kind, 515);
  EXPECT_EQ(e.data, 0xE9);
  ASSERT_TRUE(platform::PollEvent(&e));
  EXPECT_EQ(e.kind, 1027);
  EXPECT_EQ(platform::MouseX(), 850);
  EXPECT_EQ(platform::MouseY(), -20);
  ASSERT_TRUE(platform::PollEvent(&e));
  EXPECT_EQ(e.kind, 1025);
  EXPECT_EQ(e.data, 1);
  EXPECT_EQ(platform::MouseX(), 12);
  EXPECT_FALSE(platform::PollEvent(&e));

  // Losing the window forgets held keys: their key-up never arrives.
  platform::PushEvent({platform::EVENT_APP_SUSPEND, 0, 0, 0});
  ASSERT_TRUE(platform::PollEvent(&e));
  EXPECT_EQ(e.kind, 257);
  EXPECT_FALSE(platform::KeyIsDown(platform::KEY_LEFT));
  EXPECT_FALSE(platform::KeyIsDown(-1));
  EXPECT_FALSE(platform::KeyIsDown(400));

  platform::PushEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
  platform::FlushEvents();
  EXPECT_FALSE(platform::PollEvent(&e));
}

// Feeds SDL events through the real back-end's translation (no display is needed for the queue).
TEST(InputTest, SystemEventsAreTranslated) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
  platform::SetHeadless(false);
  platform::FlushEvents();
  auto push = [](SDL_Event ev) { SDL_PushEvent(&ev); };
  SDL_Event ev{};
  ev.type = SDL_KEYDOWN;
  ev.key.keysym.sym = SDLK_a;
  push(ev);
  ev.key.repeat = 1;  // held: no second key-down
  push(ev);
  ev.key.keysym.sym = SDLK_F15;  // no code: dropped
  ev.key.repeat = 0;
  push(ev);
  ev.key.keysym.sym = SDLK_BACKSPACE;
  push(ev);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "\xC3\xA9!", sizeof(text.text.text));
  push(text);
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  push(focus);
  focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  push(focus);
  SDL_Event button{};
  button.type = SDL_MOUSEBUTTONDOWN;
  button.button.button = SDL_BUTTON_RIGHT;
  button.button.x = 30;
  button.button.y = 40;
  push(button);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -1;
  push(wheel);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  push(quit);

  std::vector<std::pair<int, int>> got;
  platform::Event e;
  while (platform::PollEvent(&e)) got.emplace_back(e.kind, e.data);
  platform::SetHeadless(true);
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
  const std::vector<std::pair<int, int>> expected = {
      {513, 'A'}, {513, 8}, {515, 8}, {515, 0xE9}, {515, '!'}, {257, 0}, {258, 0},
      {1025, 2}, {1028, -1}, {259, 0}};
  EXPECT_EQ(got, expected);
}

// The logical screen fills as much of the window as it can with its proportions kept; positions in
// the window map back to logical pixels, and positions on the bars give coordinates outside it.
TEST(InputTest, WindowPositionsMapBackThroughTheLetterbox) {
  struct Case {
    int out_w, out_h;
    SDL_Rect box;
    float wx, wy;
    int lx, ly;
  };
  const Case cases[] = {
      // A window of the logical size: one to one, not clamped.
      {800, 600, {0, 0, 800, 600}, 0, 0, 0, 0},
      {800, 600, {0, 0, 800, 600}, 799.5f, 599.5f, 799, 599},
      {800, 600, {0, 0, 800, 600}, -5, 620, -5, 620},
      // A wide desktop: bars left and right, 1.8 window pixels per logical pixel.
      {1920, 1080, {240, 0, 1440, 1080}, 240, 0, 0, 0},
      {1920, 1080, {240, 0, 1440, 1080}, 960, 540, 400, 300},
      {1920, 1080, {240, 0, 1440, 1080}, 1679, 1079, 799, 599},
      {1920, 1080, {240, 0, 1440, 1080}, 100, 540, -78, 300},
      {1920, 1080, {240, 0, 1440, 1080}, 1900, 540, 922, 300},
      // 1.2 window pixels per logical pixel: a position on a pixel's edge belongs to that pixel.
      {1280, 720, {160, 0, 960, 720}, 640, 360, 400, 300},
      {1280, 720, {160, 0, 960, 720}, 1118.9f, 6, 799, 5},
      // A tall desktop: bars above and below.
      {1280, 1024, {0, 32, 1280, 960}, 640, 32, 400, 0},
      {1280, 1024, {0, 32, 1280, 960}, 640, 20, 400, -8},
      {1280, 1024, {0, 32, 1280, 960}, 1279, 991, 799, 599},
      // Same proportions: no bars at all.
      {1024, 768, {0, 0, 1024, 768}, 1023, 767, 799, 599},
  };
  for (const Case& c : cases) {
    const SDL_Rect box = platform::detail::LetterboxRect(c.out_w, c.out_h, 800, 600);
    EXPECT_EQ((std::vector<int>{box.x, box.y, box.w, box.h}),
              (std::vector<int>{c.box.x, c.box.y, c.box.w, c.box.h}))
        << c.out_w << "x" << c.out_h;
    int lx = 0, ly = 0;
    platform::detail::LetterboxToLogical(box, 800, 600, c.wx, c.wy, &lx, &ly);
    EXPECT_EQ(lx, c.lx) << c.out_w << "x" << c.out_h << " at " << c.wx << "," << c.wy;
    EXPECT_EQ(ly, c.ly) << c.out_w << "x" << c.out_h << " at " << c.wx << "," << c.wy;
  }
}

}  // namespace
