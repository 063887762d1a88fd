#include "platform/picture_count.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/graphics_internal.h"

namespace platform {

namespace {

struct Picture {
  bool texture = false;
  int w = 0, h = 0;
  std::string what;
  SDL_Renderer* renderer = nullptr;  // a texture's
  bool reported = false;             // already found held by nothing
};

// The pictures alive by their address, kept bit-inverted: held as it is, the address would let
// the leak checker see a picture that nothing else holds as reachable, and a surface lost without
// being freed would not be reported as a leak at exit.
using Key = std::uintptr_t;
Key KeyOf(const void* picture) { return ~reinterpret_cast<Key>(picture); }
const void* AddressOf(Key key) { return reinterpret_cast<const void*>(~key); }

struct Pictures {
  std::unordered_map<Key, Picture> alive;
  PictureReport report;
};

// Never freed: images held by the program's globals free their textures through here while the
// statics are destroyed at exit, in whatever order.
Pictures& All() {
  static auto* pictures = new Pictures();
  return *pictures;
}

std::string Describe(const Picture& p) {
  return "a " + std::to_string(p.w) + " x " + std::to_string(p.h) + (p.texture ? " texture" : " surface") +
         " made for " + p.what;
}

// The pictures alive that nothing holds, by their line (so the order does not depend on where SDL
// put them).
std::vector<std::pair<std::string, Picture*>> Unheld() {
  std::unordered_set<const void*> held;
  detail::AddDrawingPictures(&held);
  detail::AddImagePictures(&held);
  std::vector<std::pair<std::string, Picture*>> unheld;
  for (auto& [key, picture] : All().alive) {
    if (held.count(AddressOf(key)) == 0) unheld.emplace_back(Describe(picture), &picture);
  }
  std::sort(unheld.begin(), unheld.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return unheld;
}

}  // namespace

namespace detail {

SDL_Texture* MakeTexture(SDL_Renderer* renderer, Uint32 format, int access, int w, int h, std::string what) {
  SDL_Texture* texture = SDL_CreateTexture(renderer, format, access, w, h);
  if (texture != nullptr) All().alive[KeyOf(texture)] = Picture{true, w, h, std::move(what), renderer, false};
  return texture;
}

void FreeTexture(SDL_Texture* texture) {
  if (texture == nullptr) return;
  All().alive.erase(KeyOf(texture));
  SDL_DestroyTexture(texture);
}

SDL_Surface* MakeSurface(int w, int h, Uint32 format, std::string what) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format);
  if (surface != nullptr) All().alive[KeyOf(surface)] = Picture{false, w, h, std::move(what), nullptr, false};
  return surface;
}

void FreeSurface(SDL_Surface* surface) {
  if (surface == nullptr) return;
  All().alive.erase(KeyOf(surface));
  SDL_FreeSurface(surface);
}

void CloseRenderer(SDL_Renderer* renderer) {
  if (renderer == nullptr) return;
  CheckPictures("when the renderer closed");
  SDL_DestroyRenderer(renderer);
  std::erase_if(All().alive, [renderer](const auto& entry) { return entry.second.renderer == renderer; });
}

}  // namespace detail

PictureCount CountPictures() {
  PictureCount count;
  for (const auto& [key, picture] : All().alive) ++(picture.texture ? count.textures : count.surfaces);
  count.unheld = static_cast<int>(Unheld().size());
  return count;
}

std::vector<std::string> UnheldPictures() {
  std::vector<std::string> lines;
  for (auto& [line, picture] : Unheld()) lines.push_back(line);
  return lines;
}

int CheckPictures(const std::string& when) {
  std::vector<std::string> reports;
  for (auto& [line, picture] : Unheld()) {
    if (picture->reported) continue;
    picture->reported = true;
    reports.push_back(line + " is held by nothing " + when);
  }
  // Reported once the look is over: a report may free pictures.
  for (const std::string& report : reports) {
    if (All().report)
      All().report(report);
    else
      std::cerr << "Warning: " << report << std::endl;
  }
  return static_cast<int>(reports.size());
}

PictureReport SetUnheldPictureReport(PictureReport report) { return std::exchange(All().report, std::move(report)); }

}  // namespace platform
