// The shared frame pens, counted by the windows and boxes that use them.
#include "runtime/painting/frame_pens.h"

HPEN FramePenLight;
HPEN FramePenDark;
int FramePenUses;

void AcquireFramePens() {
    if (FramePenUses == 0) {
        FramePenLight = CreatePen(PS_SOLID, 1, 0xE0E0E0);
        FramePenDark = CreatePen(PS_SOLID, 1, 0x808080);
    }
    ++FramePenUses;
}

void ReleaseFramePens() {
    if (FramePenUses <= 0) return;
    if (--FramePenUses == 0) {
        DeleteObject(FramePenLight);
        DeleteObject(FramePenDark);
        FramePenLight = nullptr;
        FramePenDark = nullptr;
    }
}
