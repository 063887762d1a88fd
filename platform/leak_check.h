#pragma once
// In a sanitizer build, the leak checker passes over the memory that the system's SDL and D-Bus
// libraries keep until the process ends (their own caches, which our code cannot free); every leak
// of ours is still reported, whatever SDL made for us included (a surface, a texture, a renderer, a
// window, a stream, a decoded sound), with the function of ours that asked for it. Include this
// header in exactly one file of each program: its main.

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILL_LEAK_CHECK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUILL_LEAK_CHECK 1
#endif

#if defined(QUILL_LEAK_CHECK)
// SDL's own blocks are those it allocates through SdlKeepsForItself...
// (platform/picture_count.cpp): only within the calls marked there as SDL's own. D-Bus allocates
// through its own library.
extern "C" const char* __lsan_default_suppressions() { return "leak:SdlKeepsForItself\nleak:libdbus\n"; }
#endif
