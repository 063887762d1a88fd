#pragma once
// The in-game dialogs (the menu and the hint scroll) drop in from above the screen the same way:
// sparkles run round the dialog's rectangle and a shower of leaves falls past it.

class TPixieDust;

// Sparkles for `ms`, a burst every `interval_ms` at the full particle setting (more often below it).
void StartDialogSparkles(TPixieDust& dust, int ms, float interval_ms);

// Places the dust on the dialog's rectangle (x, y, w, h), starts its sparkles for `sparkle_ms` when
// particles are on and scatters the leaves above a dialog picture `width` wide. The leaves go to the
// shared dialog particle list and their number follows the particle setting.
void StartDialogDrop(TPixieDust& dust, int x, int y, int w, int h, int width, int sparkle_ms,
                     float interval_ms);
