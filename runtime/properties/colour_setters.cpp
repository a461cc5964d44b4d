// Colour and pen setters: background, text colour and the drawing pen.
#include "runtime/properties/properties.h"
#include "runtime/templates/templates.h"

int SetBackColor(HWND window, int32_t colourCode) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return 0;
    if (object->BackBrush) DeleteObject(object->BackBrush);
    object->BackBrush = nullptr;
    object->BackColorSetting = colourCode;
    if (colourCode != NoColour)
        ApplyBackColour(object);
    else
        object->BackColor = 0;
    RedrawAll(object->Kind == KindMdiFrame ? object->MdiClient : window);
    return 1;
}

int SetForeColor(HWND window, int32_t colourCode) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return 0;
    object->ForeColorSetting = colourCode;
    object->ForeColor = (COLORREF)ResolveColour(object, colourCode, 0);
    if (object->Kind == KindWindow || object->Kind == KindPictureBox)
        SetPenStyle(window, object->PenStyle);
    // The progress bar keeps the bar colour it was given at creation.
    if (object->Kind != KindProgressBar) SendForeColour(object);
    RefreshWindow(window, 0);
    return 1;
}

int SetPenStyle(HWND window, int32_t style) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || (object->Kind != KindWindow && object->Kind != KindPictureBox)) return 0;
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return 0;
    object->PenStyle = style;
    if (object->Pen) DeleteObject(object->Pen);
    object->Pen = CreatePen(style, object->PenWidth, object->ForeColor);
    RefreshWindow(window, 0);
    return 1;
}
