#pragma once
// Image files: a dated PNG screenshot of the logical screen, and an uncompressed 24-bit BMP
// writer (bottom-up rows of blue, green, red, each row padded to a multiple of 4 bytes).

#include <string>

#include "platform/files.h"
#include "platform/graphics.h"

// Saves the back buffer as "YYYY-MM-DD HHNNSS screenshot.png" (compression 9) in `folder`, glued
// to it as given, or in the working folder when `folder` is "". Failure is silent. Returns 0.
int ccScreenShot(const std::string& folder);
// Writes frame 0 of the image as a BMP file (atomically, shared with every user); nothing when the
// file cannot be written. Returns 0.
int ccSaveImage(const platform::ImageRef& image, const std::string& path);
// Appends the BMP file of the pixmap to the stream. Returns 0.
int ccWriteBMP(platform::OutStream& stream, const platform::Pixmap& pixmap);
// Loads an image file and saves it as BMP. Returns 0.
int ccConvertJPGToBMP(const std::string& source, const std::string& target);
