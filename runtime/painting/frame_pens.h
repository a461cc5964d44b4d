// The shared frame pens: light grey 0xE0E0E0 and dark grey 0x808080, made
// while at least one window or box uses them.
#pragma once

#include <windows.h>

extern HPEN FramePenLight;
extern HPEN FramePenDark;
// The number of windows and boxes that use the pens.
extern int FramePenUses;
void AcquireFramePens();
void ReleaseFramePens();
