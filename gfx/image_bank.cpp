#include "gfx/image_bank.h"

#include "gfx/file_names.h"
#include "gfx/globals.h"
#include "util/error.h"
#include "util/files.h"
#include "util/image.h"
#include "util/maths.h"
#include "util/strings.h"

TGameImageRef TGameImage::Create(const std::string& file, int flags, int midhandle) {
  auto img = std::make_shared<TGameImage>();
  img->Load(file, flags, 1);
  img->MidHandle(midhandle);
  return img;
}

int TGameImage::Frames() const { return image ? image->Frames() : 0; }

long long TGameImage::CalcRAM() const {
  return static_cast<long long>(w) * 4 * h * Frames();
}

long long TGameImage::CalcVRAM() const {
  return static_cast<long long>(ccPow2Size(w)) * 4 * ccPow2Size(h) * Frames();
}

int TGameImage::GetSize() {
  if (!image) return 0;
  w = image->Width();
  h = image->Height();
  w2 = static_cast<float>(w / 2);
  h2 = static_cast<float>(h / 2);
  return 0;
}

int TGameImage::Load(const std::string& file, int flags, int midhandle) {
  name = ccUpperCase(gfx_names::BaseName(file));
  image = ccLoadBitmap(file, flags);
  GetSize();
  MidHandle(midhandle);
  return 0;
}

int TGameImage::LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell,
                         int cellCount, int flags, int midhandle) {
  name = ccUpperCase(gfx_names::BaseName(file));
  image = ccLoadAnimBitmap(file, cellWidth, cellHeight, firstCell, cellCount, flags);
  GetSize();
  MidHandle(midhandle);
  return 0;
}

int TGameImage::MidHandle(int on) {
  if (on != 0) {
    if (image) image->MidHandle();
    midhandled = 1;
  } else {
    if (image) image->SetHandle(0, 0);
    midhandled = 0;
  }
  return 0;
}

int TGameImage::Precache() {
  if (image) ccCreateFrames(image);
  return 0;
}

int TImageBank::CalcRAM() const {
  long long total = 0;
  for (const auto& img : Images) total += img->CalcRAM();
  return static_cast<int>(total / 1024);
}

int TImageBank::CalcVRAM() const {
  long long total = 0;
  for (const auto& img : Images) total += img->CalcVRAM();
  return static_cast<int>(total / 1024);
}

int TImageBank::SetPath(const std::string& path) {
  Path = ccAddSlash(path);
  return 0;
}

int TImageBank::Load(const std::string& file, const std::string& name, int flags, int midhandle) {
  auto img = std::make_shared<TGameImage>();
  std::string ext = "." + gfx_names::Extension(file);
  if (ext == ".") ext = Ext;
  img->Load(Path + gfx_names::WithoutExtension(file) + ext, flags, midhandle);
  Images.push_back(img);
  if (!name.empty()) img->name = ccUpperCase(name);
  return 0;
}

int TImageBank::LoadNoMid(const std::string& file, const std::string& name, int flags) {
  return Load(file, name, flags, 0);
}

int TImageBank::LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell,
                         int cellCount, int flags, int midhandle) {
  auto img = std::make_shared<TGameImage>();
  img->LoadAnim(Path + file + Ext, cellWidth, cellHeight, firstCell, cellCount, flags,
                midhandle == 1 ? 1 : 0);
  Images.push_back(img);
  return 0;
}

TGameImageRef TImageBank::Find(const std::string& name) const {
  const std::string key = ccUpperCase(name);
  for (const auto& img : Images)
    if (img->name == key) return img;
  if (ShowErrors != 0) ccRunTimeError("Image '" + key + "' was not found in the ImageBank", 1);
  return nullptr;
}

platform::ImageRef TImageBank::FindTImage(const std::string& name) const {
  const std::string key = ccUpperCase(name);
  for (const auto& img : Images)
    if (img->name == key) return img->image;
  return nullptr;
}

int TImageBank::Precache() {
  for (const auto& img : Images) img->Precache();
  return 0;
}
