// Appearance: fonts, colours, images and pens of windows and controls, and
// the appearance a control takes from its template.
#include "runtime/templates/appearance.h"
#include "runtime/templates/window_resources.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/painting.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

// Fonts from a template's font fields: the point-size rule and its
// fixed-scale option.
enum { PointsPerInch = 72 };

int FontHeightForSize(int dotsPerInch, int size, int divisor) {
    if (divisor <= 0) divisor = PointsPerInch;
    const int product = dotsPerInch * size;
    int height = product / divisor;
    // Rounded half up.
    if (2 * (product % divisor) >= divisor) ++height;
    return -height;
}

int FontHeightAtDpi(int size, int fixedScale, int dpi) {
    // A fixed-scale font is as high as on a 96-dpi screen in layout pixels,
    // which grow with the layout; any other font has its points at dpi.
    if (fixedScale) return -ScaleToDpi(-FontHeightForSize(LayoutDpi, size, PointsPerInch), dpi);
    return FontHeightForSize(dpi, size, PointsPerInch);
}

HFONT CreateFontFromFields(const WindowObject *fields, int fixedScale, int dpi) {
    const int height = FontHeightAtDpi(fields->FontSize, fixedScale, dpi);
    const int weight = fields->FontBold ? FW_BOLD : FW_NORMAL;
    const DWORD charSet = UnicodeFlag ? DEFAULT_CHARSET : ANSI_CHARSET;
    return CreateFontAW(height, 0, 0, 0, weight, fields->FontItalic, fields->FontUnderline,
                        fields->FontStrikeOut, charSet, 0, 0, 0, 0, fields->FontName);
}

void RebuildFont(WindowObject *object, int fixedScale) {
    if (!object) return;
    const HFONT previous = object->Font;
    object->Font = CreateFontFromFields(object, fixedScale, ObjectDpi(object));
    SendMessageAW(object->Handle, WM_SETFONT, (WPARAM)object->Font, FALSE);
    // The old font goes only once the window no longer draws with it.
    if (previous) DeleteObject(previous);
    // The caption box that the group paints over is as wide as the caption
    // in the group's own font.
    if (object->Kind == KindGroupBox) MeasureGroupCaption(object);
}

// Colour codes resolved into colours and brushes, and the colours that
// some common controls take by message.
// These kinds paint their own background and text from colours sent to
// them; they never get a brush.
static bool TakesColoursByMessage(const WindowObject *object) {
    if (!object) return false;
    switch (object->Kind) {
    case KindTreeView:
    case KindListView:
    case KindProgressBar:
    case KindPager:
    case KindRebar: return true;
    default: return false;
    }
}

uintptr_t ResolveColour(WindowObject *object, int32_t colourCode, int wantBrush) {
    const bool brush = wantBrush && !TakesColoursByMessage(object);
    // -1 has no brush: it is the background that lets the parent show.
    if (colourCode == NoColour && brush) return 0;
    // Bit 31 names a system colour by its low byte, and -1 is no exception as
    // a colour: index 255 names no element, for which GetSysColor answers 0.
    if (colourCode < 0) {
        const int index = colourCode & 0xFF;
        return brush ? (uintptr_t)GetSysColorBrush(index) : (uintptr_t)GetSysColor(index);
    }
    return brush ? (uintptr_t)CreateSolidBrush((COLORREF)colourCode) : (uintptr_t)colourCode;
}

// The kinds that are told their background colour by message instead of
// painting with the object's brush.
static bool SendBackColour(const WindowObject *object, COLORREF colour) {
    const HWND window = object->Handle;
    switch (object->Kind) {
    case KindTreeView: SendMessageAW(window, TVM_SETBKCOLOR, 0, colour); return true;
    case KindListView:
        SendMessageAW(window, LVM_SETBKCOLOR, 0, colour);
        SendMessageAW(window, LVM_SETTEXTBKCOLOR, 0, colour);
        return true;
    case KindProgressBar: SendMessageAW(window, PBM_SETBKCOLOR, 0, colour); return true;
    case KindPager: SendMessageAW(window, PGM_SETBKCOLOR, 0, colour); return true;
    case KindRebar: SendMessageAW(window, RB_SETBKCOLOR, 0, colour); return true;
    default: return false;
    }
}

void ApplyBackColour(WindowObject *object) {
    object->BackColor = (COLORREF)ResolveColour(object, object->BackColorSetting, 0);
    if (!SendBackColour(object, object->BackColor))
        object->BackBrush = (HBRUSH)ResolveColour(object, object->BackColorSetting, 1);
}

void SendForeColour(const WindowObject *object) {
    const HWND window = object->Handle;
    const LPARAM colour = object->ForeColor;
    switch (object->Kind) {
    case KindTreeView: SendMessageAW(window, TVM_SETTEXTCOLOR, 0, colour); break;
    case KindListView: SendMessageAW(window, LVM_SETTEXTCOLOR, 0, colour); break;
    case KindProgressBar: SendMessageAW(window, PBM_SETBARCOLOR, 0, colour); break;
    case KindRebar: SendMessageAW(window, RB_SETTEXTCOLOR, 0, colour); break;
    default: break;
    }
}

int ChangeBackColor(WindowObject *object, HWND window, int32_t colourCode) {
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

int ChangeForeColor(WindowObject *object, HWND window, int32_t colourCode) {
    object->ForeColorSetting = colourCode;
    object->ForeColor = (COLORREF)ResolveColour(object, colourCode, 0);
    if (object->Kind == KindWindow || object->Kind == KindPictureBox)
        ChangePenStyle(object, window, object->PenStyle);
    // The progress bar keeps the bar colour it was given at creation.
    if (object->Kind != KindProgressBar) SendForeColour(object);
    RefreshWindow(window, 0);
    return 1;
}

int ChangePenStyle(WindowObject *object, HWND window, int32_t style) {
    if (object->Kind != KindWindow && object->Kind != KindPictureBox) return 0;
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return 0;
    object->PenStyle = style;
    if (object->Pen) DeleteObject(object->Pen);
    object->Pen =
        CreatePen(style, ScaleToDpi(object->PenWidth, ObjectDpi(object)), object->ForeColor);
    RefreshWindow(window, 0);
    return 1;
}

// Image references: resource numbers loaded as shared images, and the
// recorded size and type of a picture.
enum : UINT { SharedWith3dColours = LR_SHARED | LR_LOADMAP3DCOLORS };

static HANDLE LoadShared(ImageRef number, UINT type) {
    return LoadImageW(App->Instance, MAKEINTRESOURCEW(number), type, 0, 0, SharedWith3dColours);
}

// An icon for a window laid out at more or fewer dots per inch than 96 is
// loaded again at its own size grown with the layout, so that the system
// picks or scales the image that fits. That copy is not shared: the object
// owns it and releases it with its other images.
static HANDLE IconForDpi(ImageRef number, HANDLE shared, int dpi) {
    ICONINFO info;
    if (dpi == LayoutDpi || !GetIconInfo((HICON)shared, &info)) return shared;
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    const int width = ScaleToDpi((int)info.xHotspot * 2, dpi);
    const int height = ScaleToDpi((int)info.yHotspot * 2, dpi);
    HANDLE sized = LoadImageW(App->Instance, MAKEINTRESOURCEW(number), IMAGE_ICON, width, height,
                              LR_LOADMAP3DCOLORS);
    return sized ? sized : shared;
}

ImageRef LoadImageResource(WindowObject *object, ImageRef value, int asPicture) {
    if (!IsResourceNumber(value)) return value;
    HANDLE image = nullptr;
    const bool iconPicture =
        object && object->PictureType != PictureBitmap && object->PictureType != PictureNone;
    if (asPicture && !iconPicture) image = LoadShared(value, IMAGE_BITMAP);
    if (!image) {
        image = LoadShared(value, IMAGE_ICON);
        if (image) image = IconForDpi(value, image, ObjectDpi(object));
    }
    if (!image) image = LoadShared(value, IMAGE_CURSOR);
    return image ? (ImageRef)image : value;
}

static void RecordIconSize(WindowObject *object) {
    ICONINFO info;
    object->PictureType = PictureIcon;
    if (IsHandleValue(object->Picture) && GetIconInfo((HICON)object->Picture, &info)) {
        // The hot spot of an icon is its centre.
        object->PictureWidth = (int)info.xHotspot * 2;
        object->PictureHeight = (int)info.yHotspot * 2;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        return;
    }
    object->PictureWidth = GetSystemMetrics(SM_CXICON);
    object->PictureHeight = GetSystemMetrics(SM_CYICON);
}

void RecordPictureSize(WindowObject *object) {
    if (!object) return;
    if (!object->Picture) {
        object->PictureHeight = 0;
        object->PictureWidth = 0;
        object->PictureType = PictureNone;
        return;
    }
    BITMAP bitmap;
    if (IsHandleValue(object->Picture) &&
        GetObjectW((HGDIOBJ)object->Picture, sizeof bitmap, &bitmap) == sizeof bitmap &&
        bitmap.bmWidth && bitmap.bmHeight) {
        object->PictureWidth = bitmap.bmWidth;
        object->PictureHeight = bitmap.bmHeight;
        object->PictureType = PictureBitmap;
        return;
    }
    RecordIconSize(object);
}

static bool HasPicture(int kind) {
    return IsWindowKind(kind) || kind == KindPushButton || kind == KindPictureBox ||
           kind == KindImage;
}

ImageRef InstallPicture(WindowObject *object, HWND window, uintptr_t image) {
    const ImageRef previous = object->Picture;
    object->Picture = LoadImageResource(object, image, 1);
    RecordPictureSize(object);
    AutoSizeControl(object);
    if (object->Kind == KindImage && object->Transparent)
        SendMessageAW(window, RTM_REDRAWAREA, 0, 0);
    RefreshWindow(window, 1);
    // A number that never loaded is no image; the image set again stays.
    if (previous == object->Picture || !IsHandleValue(previous)) return 0;
    return previous;
}

int ChangePicture(WindowObject *object, HWND window, uintptr_t image) {
    if (!HasPicture(object->Kind)) return 0;
    const ImageRef previous = InstallPicture(object, window, image);
    if (previous) DeleteGdiOrIcon((HANDLE)previous);
    return 1;
}

// ApplyControlAppearance: font, colours, cursor and picture of one control.
// Kinds that show no text keep the system's font.
static bool TakesFont(int kind) {
    switch (kind) {
    case KindImage:
    case KindHScrollBar:
    case KindVScrollBar:
    case KindProgressBar:
    case KindTrackbar:
    case KindUpDown:
    case KindAnimation:
    case KindPager:
    case KindImageListHolder: return false;
    default: return true;
    }
}

static void ApplyControlFont(const WindowObject *owner, WindowObject *object) {
    const HWND window = object->Handle;
    if (TakesFont(object->Kind)) {
        // The controls of a dialog share the dialog's font.
        if (owner && owner->Kind == KindDialog)
            object->Font = owner->Font;
        else
            object->Font =
                CreateFontFromFields(object, owner ? owner->FixedFontScale : 0, ObjectDpi(object));
    }
    object->InitialFont = (HFONT)SendMessageAW(window, WM_GETFONT, 0, 0);
    SendMessageAW(window, WM_SETFONT, (WPARAM)object->Font, TRUE);
    if (object->Kind == KindLabel) AutoSizeControl(object);
    if (object->Kind == KindComboBox || object->Kind == KindExtendedComboBox)
        FitComboHeight(object, 1);
}

static void ApplyControlColours(WindowObject *object) {
    if (object->Kind == KindImageListHolder) {
        // An image list draws no background for CLR_NONE, which is -1.
        object->BackColor = object->BackColorSetting == NoColour
                                ? CLR_NONE
                                : (COLORREF)ResolveColour(object, object->BackColorSetting, 0);
        ImageList_SetBkColor(object->ImageList, object->BackColor);
    } else if (object->BackColorSetting == NoColour) {
        object->BackColor = 0;
        object->BackBrush = nullptr;
    } else {
        ApplyBackColour(object);
    }
    object->ForeColor = (COLORREF)ResolveColour(object, object->ForeColorSetting, 0);
    SendForeColour(object);
}

void ApplyControlAppearance(HWND ownerWindow, WindowObject *object) {
    if (!object) return;
    ApplyControlFont(ObjectFromHandle(ownerWindow), object);
    ApplyControlColours(object);
    object->MouseIcon = LoadImageResource(object, object->MouseIcon, 0);
    // A toolbar's Picture already holds its image list.
    if (object->Kind == KindToolbar) return;
    object->Picture = LoadImageResource(object, object->Picture, 1);
    RecordPictureSize(object);
}
