#pragma once
// Hooks for tests of the file layer; the game never calls them.

namespace platform {

// Makes the next WriteFileAtomic stop after writing half of its bytes and fail, as a crash or a
// full disk would, so tests can check that the previous file survives whole.
void InterruptNextWriteForTests();

}  // namespace platform
