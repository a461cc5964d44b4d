// ComputeStartPosition: where a window appears when it is created.
#include "runtime/winproc/creation_knot.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

static void CentreOn(const RECT &area, int halfWidth, int halfHeight, StartPosition *result) {
    result->X = ((area.right - area.left) >> 1) - halfWidth + area.left;
    result->Y = ((area.bottom - area.top) >> 1) - halfHeight + area.top;
}

void ComputeStartPosition(WindowObject *object, HWND owner, StartPosition *result) {
    result->Width = ToPixelsX(object->Width, object->ScaleMode);
    result->Height = ToPixelsY(object->Height, object->ScaleMode);
    const int halfWidth = result->Width >> 1;
    const int halfHeight = result->Height >> 1;
    const int position = object->StartUpPosition;
    const bool mdiChild = object->MdiChild != 0;
    RECT area;

    if (position == 1 && owner) {
        // A child window is centred in its owner's client area, in the
        // owner's client coordinates; any other window on the owner's frame.
        if (object->Style & WS_CHILD)
            GetClientRect(owner, &area);
        else
            GetWindowRect(owner, &area);
        CentreOn(area, halfWidth, halfHeight, result);
    } else if (position == 3 || (position == 2 && mdiChild)) {
        result->X = CW_USEDEFAULT;
        result->Y = CW_USEDEFAULT;
    } else if (position == 2 || position == 1) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        CentreOn(area, halfWidth, halfHeight, result);
    } else {
        result->X = ToPixelsX(object->Left, object->ScaleMode);
        result->Y = ToPixelsY(object->Top, object->ScaleMode);
    }
}
