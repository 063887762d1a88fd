#pragma once
// The game's own mouse pointer and the one place that holds the mouse state of the current logic
// tick. The application core's event pump writes the position, held buttons and hits; each logic
// tick it clears the hits first, so a click is seen by exactly one logic step and the first widget
// that asks for it with GetMh(1) takes it. One instance, Game->Mouse.

#include <functional>
#include <memory>
#include <string>

class TParticleList;
namespace platform {
class Image;
}

class TMousePointer {
 public:
  TMousePointer();
  virtual ~TMousePointer();
  TMousePointer(const TMousePointer&) = delete;
  TMousePointer& operator=(const TMousePointer&) = delete;

  int Active = 1;  // drawn and sparkling
  std::shared_ptr<platform::Image> Image;  // handle = hot spot; none: a single pixel is plotted
  std::string Ext = ".png";
  std::shared_ptr<platform::Image> Image2;  // optional picture under the pointer
  int Image2Frame = 0;
  int Image2xoff = 0, Image2yoff = 0;
  float Image2Scale = 1.0f;
  int x = 0, y = 0;  // logical pixels, not clamped
  // 1 once a move event or the game has given the pointer its place; until then x and y say
  // nothing (the pointer has not been seen over the window) and no sparkles are made.
  int Placed = 0;
  int z = 0;         // running total of wheel movement
  int b1 = 0, b2 = 0, b3 = 0, mb = 0;  // held flags and their sum
  int h1 = 0, h2 = 0, h3 = 0, mh = 0;  // hits of this tick and their sum
  int w = 0, h = 0;  // size of Image
  int offsetx = 0, offsety = 0;        // hot spot within Image, applied by Load
  std::function<int()> ParticleFunc;   // sparkle maker run by Manage; none: no sparkles
  std::shared_ptr<TParticleList> ParticleList;
  float SparkleCounter = 0.0f;
  int SparkleLength = 15;  // logic ticks between sparkles; 90 means none

  virtual int On();
  // Hides the pointer and drops its sparkles at once.
  virtual int Off();
  // Loads Game->ImagePath + name + Ext with its handle at (offsetx, offsety); fatal when missing.
  virtual int Load(const std::string& name);
  virtual int CalcSize();
  // Polls the input layer (not used by the game's own loop, which feeds events).
  virtual int Update();
  // One logic tick of the sparkle trail; 0 while inactive, else 1.
  virtual int Manage();
  // In a window: the position from the system cursor.
  virtual int UpdateCoords();
  virtual int ClearButtons();
  virtual int ClearMouseHit();
  virtual int GetMb();
  // The hits of this tick; with clear non-zero they are taken away from later callers.
  virtual int GetMh(int clear);
  virtual int CalcButtonTotals();
  virtual int Draw();

  // Event helpers for the application core's pump (mouse-down clears the hits first, so only the
  // last button pressed in a tick has a hit).
  void MouseDownEvent(int button);
  void MouseUpEvent(int button);
  void MoveEvent(int newX, int newY);
  void WheelEvent(int steps);
};
