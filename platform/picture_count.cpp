#include "platform/picture_count.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/graphics_internal.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILL_ROUTE_SDL_MEMORY 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUILL_ROUTE_SDL_MEMORY 1
#endif
#if defined(QUILL_ROUTE_SDL_MEMORY) && defined(__x86_64__)
#include <unwind.h>
#endif

namespace platform {

namespace {

// The pictures alive by their address, and a texture's renderer, kept bit-inverted: held as it is,
// an address would let the leak checker see a picture (or a renderer) that nothing else holds as
// reachable, and one lost without being freed would not be reported as a leak at exit.
using Key = std::uintptr_t;
Key KeyOf(const void* picture) { return ~reinterpret_cast<Key>(picture); }
const void* AddressOf(Key key) { return reinterpret_cast<const void*>(~key); }

struct Picture {
  bool texture = false;
  int w = 0, h = 0;
  std::string what;
  Key renderer = KeyOf(nullptr);  // a texture's
  bool reported = false;          // already found held by nothing
  bool released = false;          // a texture given to FreeTexture that SDL has not freed
};

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
  return "a " + std::to_string(p.w) + " x " + std::to_string(p.h) +
         (p.texture ? " texture" : " surface") + " made for " + p.what +
         (p.released ? " (released, but never destroyed)" : "");
}

// A texture stays on the list until SDL frees its block (SDL_DestroyTexture, or the close of its
// renderer): SDL allocates through the functions below, and its free takes the texture off. One
// released without being destroyed lives on in its renderer, held by nothing, and is found as
// lost; taken off when it was released, it would show nowhere (the renderer frees it unseen when
// it closes, and the leak checker sees it reachable from the renderer until then). Textures are
// made and destroyed on the drawing thread alone, so only the frees of that thread are looked at,
// and the list is never touched from another.
thread_local bool draws_here = false;

void TextureFreed(void* block) {
  if (!draws_here || block == nullptr) return;
  auto& alive = All().alive;
  const auto it = alive.find(KeyOf(block));
  if (it != alive.end() && it->second.texture) alive.erase(it);
}

// ---- What the leak checker is told ----
// SDL allocates through the functions below in every build (its frees take textures off the list,
// see TextureFreed). In a sanitizer build they do more. Every block SDL allocates at a
// call of ours is ours (a surface, a texture, a renderer, a window, a stream, a decoded sound ...)
// and goes through SdlMadeForUs...: lost, it is reported like any block of ours, with the function
// of ours that called SDL in its stack. Only within a call marked SdlOwnState (below: where SDL
// tears a renderer down) does SDL allocate through SdlKeepsForItself..., which the leak checker
// passes over (see leak_check.h). The default is the report, not the suppression: a call into SDL
// that makes something new for us needs nothing of this file to have what it makes reported when
// lost, and a block of SDL's own that SDL itself loses shows up in the report, where it is seen and
// can be marked. SDL's state kept until the process ends stays reachable from SDL's globals, and
// the leak checker never counts it as lost. All of them use the C library's allocator, as SDL's own
// do, so a block is freed alike whichever of them allocated it.
#if defined(QUILL_ROUTE_SDL_MEMORY)
thread_local int sdl_own_state = 0;

// Each keeps its own frame (the call is not its last act, and no two are folded into one): the
// leak checker's stack names it.
#if defined(__clang__)
#define QUILL_OWN_FRAME [[gnu::noinline]]
#else
#define QUILL_OWN_FRAME [[gnu::noipa]]
#endif
QUILL_OWN_FRAME void* SdlKeepsForItselfMalloc(std::size_t size) {
  void* block = std::malloc(size);
  asm volatile("" ::: "memory");
  return block;
}
QUILL_OWN_FRAME void* SdlKeepsForItselfCalloc(std::size_t count, std::size_t size) {
  void* block = std::calloc(count, size);
  asm volatile("" ::: "memory");
  return block;
}
QUILL_OWN_FRAME void* SdlKeepsForItselfRealloc(void* block, std::size_t size) {
  void* moved = std::realloc(block, size);
  asm volatile("" ::: "memory");
  return moved;
}

// The leak checker follows a stack by its frame pointers, which SDL's library does not keep: the
// stack of a block SDL allocated would end in SDL, without the function of ours that called it
// (following it through SDL's unwind tables at each allocation would be dear, and hangs where
// OpenGL's compiler registers code of its own). So what SDL allocates for us is allocated under a
// frame record that leads past SDL's frames: to the first frame of ours above them, found through
// the unwind tables (only for SDL's allocations), from which the frame pointers lead on to main.
#if defined(__x86_64__)
extern "C" char __executable_start;
extern "C" char etext;

// Calls fn(a, b) with its frame pointer on a record {fp, pc}: a stack followed from within fn
// goes on at pc, then at the frame whose record is at fp.
extern "C" void* SdlAllocatesForUs(std::uintptr_t fp, std::uintptr_t pc, void* fn, std::uintptr_t a,
                                   std::uintptr_t b);
asm(R"(
  .text
  .p2align 4
  .type SdlAllocatesForUs, @function
SdlAllocatesForUs:
  .cfi_startproc
  pushq %rbp
  .cfi_adjust_cfa_offset 8
  .cfi_rel_offset %rbp, 0
  pushq %rsi
  .cfi_adjust_cfa_offset 8
  pushq %rdi
  .cfi_adjust_cfa_offset 8
  movq %rsp, %rbp
  movq %rdx, %rax
  movq %rcx, %rdi
  movq %r8, %rsi
  call *%rax
  addq $16, %rsp
  .cfi_adjust_cfa_offset -16
  popq %rbp
  .cfi_adjust_cfa_offset -8
  .cfi_restore %rbp
  ret
  .cfi_endproc
  .size SdlAllocatesForUs, .-SdlAllocatesForUs
)");

bool InProgram(std::uintptr_t pc) {
  return pc >= reinterpret_cast<std::uintptr_t>(&__executable_start) &&
         pc < reinterpret_cast<std::uintptr_t>(&etext);
}

// The walk up the stack from the routing function: past our own frames, then past SDL's, to the
// first frame of the program again, and the one above it.
struct FrameSearch {
  int stage = 0;  // 0: the routing's frames, 1: SDL's, 2: found, 3: done
  std::uintptr_t pc = 0, cfa = 0, caller_pc = 0;
};

_Unwind_Reason_Code LookAtFrame(_Unwind_Context* context, void* arg) {
  auto& search = *static_cast<FrameSearch*>(arg);
  const std::uintptr_t pc = _Unwind_GetIP(context);
  if (search.stage == 0 && !InProgram(pc)) search.stage = 1;
  if (search.stage == 1 && InProgram(pc)) {
    search.stage = 2;
    search.pc = pc;
    return _URC_NO_REASON;
  }
  if (search.stage == 2) {
    // The context of a frame gives the canonical frame address of the frame it was called from.
    search.cfa = _Unwind_GetCFA(context);
    search.caller_pc = pc;
    search.stage = 3;
    return _URC_END_OF_STACK;
  }
  return _URC_NO_REASON;
}

// Calls fn(a, b) under the frame record of the first function of ours above SDL's frames, or
// straight where there is none (or its record is not where its frame pointer would put it).
[[gnu::noinline]] void* CallFromOurFrame(void* fn, std::uintptr_t a, std::uintptr_t b) {
  FrameSearch search;
  _Unwind_Backtrace(LookAtFrame, &search);
  if (search.stage == 3) {
    // Ours keep frame pointers: the record (the caller's frame pointer, then the return address)
    // sits just below the frame's canonical address.
    const std::uintptr_t fp = search.cfa - 16;
    if (*reinterpret_cast<const std::uintptr_t*>(fp + 8) == search.caller_pc)
      return SdlAllocatesForUs(fp, search.pc, fn, a, b);
  }
  return reinterpret_cast<void* (*)(std::uintptr_t, std::uintptr_t)>(fn)(a, b);
}

void* PlainMalloc(std::uintptr_t size, std::uintptr_t) { return std::malloc(size); }
void* PlainCalloc(std::uintptr_t count, std::uintptr_t size) { return std::calloc(count, size); }
void* PlainRealloc(std::uintptr_t block, std::uintptr_t size) {
  return std::realloc(reinterpret_cast<void*>(block), size);
}

QUILL_OWN_FRAME void* SdlMadeForUsMalloc(std::size_t size) {
  void* block = CallFromOurFrame(reinterpret_cast<void*>(&PlainMalloc), size, 0);
  asm volatile("" ::: "memory");
  return block;
}
QUILL_OWN_FRAME void* SdlMadeForUsCalloc(std::size_t count, std::size_t size) {
  void* block = CallFromOurFrame(reinterpret_cast<void*>(&PlainCalloc), count, size);
  asm volatile("" ::: "memory");
  return block;
}
QUILL_OWN_FRAME void* SdlMadeForUsRealloc(void* block, std::size_t size) {
  void* moved = CallFromOurFrame(reinterpret_cast<void*>(&PlainRealloc),
                                 reinterpret_cast<std::uintptr_t>(block), size);
  asm volatile("" ::: "memory");
  return moved;
}
#else
QUILL_OWN_FRAME void* SdlMadeForUsMalloc(std::size_t size) {
  void* block = std::malloc(size);
  asm volatile("" ::: "memory");
  return block;
}
QUILL_OWN_FRAME void* SdlMadeForUsCalloc(std::size_t count, std::size_t size) {
  void* block = std::calloc(count, size);
  asm volatile("" ::: "memory");
  return block;
}
QUILL_OWN_FRAME void* SdlMadeForUsRealloc(void* block, std::size_t size) {
  void* moved = std::realloc(block, size);
  asm volatile("" ::: "memory");
  return moved;
}

#endif

void* SdlMalloc(std::size_t size) {
  return sdl_own_state > 0 ? SdlKeepsForItselfMalloc(size) : SdlMadeForUsMalloc(size);
}
void* SdlCalloc(std::size_t count, std::size_t size) {
  return sdl_own_state > 0 ? SdlKeepsForItselfCalloc(count, size) : SdlMadeForUsCalloc(count, size);
}
void* SdlRealloc(void* block, std::size_t size) {
  return sdl_own_state > 0 ? SdlKeepsForItselfRealloc(block, size)
                           : SdlMadeForUsRealloc(block, size);
}

// Marks what SDL allocates while it lives as SDL's own.
struct SdlOwnState {
  SdlOwnState() { ++sdl_own_state; }
  ~SdlOwnState() { --sdl_own_state; }
  SdlOwnState(const SdlOwnState&) = delete;
  SdlOwnState& operator=(const SdlOwnState&) = delete;
};
#else
void* SdlMalloc(std::size_t size) { return std::malloc(size); }
void* SdlCalloc(std::size_t count, std::size_t size) { return std::calloc(count, size); }
void* SdlRealloc(void* block, std::size_t size) { return std::realloc(block, size); }

struct [[maybe_unused]] SdlOwnState {};
#endif

void SdlFree(void* block) {
  TextureFreed(block);
  std::free(block);
}

// Before anything of SDL's is allocated: set while the program's statics are made.
const bool kSdlMemoryRouted =
    SDL_SetMemoryFunctions(SdlMalloc, SdlCalloc, SdlRealloc, SdlFree) == 0;

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

SDL_Texture* MakeTexture(SDL_Renderer* renderer, Uint32 format, int access, int w, int h,
                         std::string what) {
  draws_here = true;
  SDL_Texture* texture = SDL_CreateTexture(renderer, format, access, w, h);
  if (texture != nullptr)
    All().alive[KeyOf(texture)] =
        Picture{true, w, h, std::move(what), KeyOf(renderer), false, false};
  return texture;
}

void TextureReleased(SDL_Texture* texture) {
  // Off the list when SDL frees it (TextureFreed), not here: a texture that is not destroyed stays
  // alive, and is found held by nothing. Where SDL's frees are not seen, the count goes by the
  // release.
  if (kSdlMemoryRouted) {
    if (const auto it = All().alive.find(KeyOf(texture)); it != All().alive.end())
      it->second.released = true;
  } else {
    All().alive.erase(KeyOf(texture));
  }
}

void FreeTexture(SDL_Texture* texture) {
  if (texture == nullptr) return;
  TextureReleased(texture);
  SDL_DestroyTexture(texture);
}

bool TexturesCountUntilSdlFreesThem() { return kSdlMemoryRouted; }

SDL_Surface* MakeSurface(int w, int h, Uint32 format, std::string what) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format);
  if (surface != nullptr)
    All().alive[KeyOf(surface)] =
        Picture{false, w, h, std::move(what), KeyOf(nullptr), false, false};
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
  {
    // Nothing of ours is made while a renderer is torn down; SDL's OpenGL renderer allocates there
    // two blocks of its own that it never frees.
    [[maybe_unused]] const SdlOwnState sdl_own;
    SDL_DestroyRenderer(renderer);
  }
  std::erase_if(All().alive, [key = KeyOf(renderer)](const auto& entry) {
    return entry.second.renderer == key;
  });
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
