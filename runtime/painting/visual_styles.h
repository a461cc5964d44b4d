// The visual-styles library: the runtime loads it at start-up when the
// program has a manifest and a style is active; without it the runtime's own
// controls are drawn in the classic look.
#pragma once

// (Re)loads the library; the classic look stays without the library or an
// active style. Repaint the windows afterwards (RedrawAll).
void LoadThemeLibrary();
// Releases the library: the classic look until LoadThemeLibrary.
void ReleaseThemeLibrary();
