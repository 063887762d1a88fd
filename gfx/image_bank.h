#pragma once
// Named images. A TGameImage is a platform image (one or more frames) with the upper-cased name the
// game finds it by, its frame size and whether its handle sits at its centre. The image bank
// `images` (gfx/globals.h) holds most of them for the whole run; screens and widgets also make
// their own with TGameImage::Create.

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics.h"

class TGameImage;
using TGameImageRef = std::shared_ptr<TGameImage>;

class TGameImage {
 public:
  std::string name;         // look-up name, always upper-case
  platform::ImageRef image;  // the loaded picture with its frames
  int w = 0, h = 0;          // size of one frame, pixels
  float w2 = 0, h2 = 0;      // w / 2 and h / 2 in whole pixels (integer halves)
  int midhandled = 0;        // 1 while the drawing handle is at the centre
  int tag = 0;               // free for the owner

  // Loads `file` (a full path with its extension) as a single-frame image; midhandle 1 centres the
  // handle. A file that cannot be loaded is fatal ("Error loading bitmap " + path).
  static TGameImageRef Create(const std::string& file, int flags, int midhandle);

  // Bytes of the frames at 32 bits per pixel, and the same with power-of-two texture sizes.
  long long CalcRAM() const;
  long long CalcVRAM() const;
  int GetSize();
  int Load(const std::string& file, int flags, int midhandle);
  // As Load, cut into `cellCount` frames of cellWidth x cellHeight from cell `firstCell`
  // (fatal "Error loading anim bitmap " + path).
  int LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell, int cellCount,
               int flags, int midhandle);
  int MidHandle(int on);
  // Makes every frame's texture exist before the image is first drawn.
  int Precache();
  int Frames() const;
};

class TImageBank {
 public:
  std::string Path;         // folder prefixed to every file name, ends with a separator
  std::string Ext = ".png";  // used when a file name has no extension
  std::vector<TGameImageRef> Images;  // in loading order; never removed

  int Count() const { return static_cast<int>(Images.size()); }
  // Kilobytes (integer division) of the whole bank.
  int CalcRAM() const;
  int CalcVRAM() const;
  int SetPath(const std::string& path);
  // Loads Path + file (+ Ext when the file has no extension) and appends it; a non-empty `name`
  // replaces the name derived from the file name.
  int Load(const std::string& file, const std::string& name, int flags, int midhandle);
  int LoadNoMid(const std::string& file, const std::string& name, int flags);
  // Loads Path + file + Ext cut into frames; midhandle centres only when it is exactly 1.
  int LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell, int cellCount,
               int flags, int midhandle);
  // The first image loaded under `name` (any case). A missing name is fatal while ShowErrors is set
  // ("Image '" + NAME + "' was not found in the ImageBank"); otherwise null.
  TGameImageRef Find(const std::string& name) const;
  // The same search returning the platform image; never reports a missing name.
  platform::ImageRef FindTImage(const std::string& name) const;
  int Precache();
};
