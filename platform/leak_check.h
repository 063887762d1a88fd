#pragma once
// In a sanitizer build, the leak checker passes over the memory that the system's SDL and D-Bus
// libraries keep until the process ends (their own caches, which our code cannot free); every leak
// of ours is still reported, the surfaces and textures made through SDL included. Include this
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
// A leak's stack is followed through every frame, those of the system's libraries (built without
// frame pointers) included, so a block that SDL allocated for us names the function of ours that
// asked for it. A variable ASAN_OPTIONS set by the caller adds to this or overrides it.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }
// SDL's own blocks are those it allocates through SdlKeepsForItself... (platform/picture_count.cpp):
// only while it starts a system of its own. D-Bus allocates through its own library.
extern "C" const char* __lsan_default_suppressions() { return "leak:SdlKeepsForItself\nleak:libdbus\n"; }
#endif
