#pragma once
// Private to the platform library: what the drawing layer tells the input layer.

namespace platform::detail {

// Records the pointer position (logical pixels) after the game moved the pointer itself.
void NoteMousePosition(int x, int y);
// Whether the game wants text input (characters) on; applied when a window opens.
bool TextInputWanted();

}  // namespace platform::detail
