// InsertRebarBands: the bands of a rebar, made from its item records once
// its child controls exist.
#include "runtime/templates/rebar_bands.h"
#include "runtime/templates/control_items.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

enum : UINT {
    // The band record up to cxHeader: the layout of common controls 4.71.
    BandInfoBytes = 80,
    BandMask =
        RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_HEADERSIZE,
    // Applied once the band exists, so that the rebar sizes it first.
    LateBandStyle = RBBS_VARIABLEHEIGHT,
};
static_assert(BandMask == 0x971 && LateBandStyle == 0x40);
static_assert(sizeof(REBARBANDINFOW) >= BandInfoBytes);

// The control of the rebar whose Name is name, compared without case.
static HWND FindBandChild(HWND rebar, const wchar_t *name) {
    for (HWND child = GetWindow(rebar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowObject *object = ObjectFromHandle(child);
        if (object && object->Name && !lstrcmpiW(object->Name, name)) return child;
    }
    return nullptr;
}

static void LoadBandBackground(RebarItem *band, REBARBANDINFOW *info) {
    if (!band->Background) return;
    if (IsResourceNumber(band->Background)) {
        HANDLE bitmap = LoadImageW(App->Instance, MAKEINTRESOURCEW(band->Background), IMAGE_BITMAP,
                                   0, 0, LR_SHARED);
        if (!bitmap) return;
        band->Background = (uintptr_t)bitmap;
    }
    info->fMask |= RBBIM_BACKGROUND;
    info->hbmBack = (HBITMAP)band->Background;
}

// The band's sizes from its record, at the rebar's dots per inch.
static void ScaleBandSizes(const RebarItem *band, int dpi, REBARBANDINFOW *info) {
    info->cxHeader = ScaleToDpi(band->HeaderSize, dpi);
    info->cx = ScaleToDpi(band->BandWidth, dpi);
    info->cxMinChild = ScaleToDpi(band->MinChildWidth, dpi);
    info->cyMinChild = ScaleToDpi(band->MinChildHeight, dpi);
}

static void InsertBand(HWND rebar, int index, RebarItem *band, int dpi) {
    REBARBANDINFOW info = {};
    info.cbSize = BandInfoBytes;
    info.fMask = BandMask;
    LoadBandBackground(band, &info);
    HWND child = band->Child;
    if (!child && band->ChildName) child = FindBandChild(rebar, band->ChildName);
    void *text = CopyText(nullptr, band->Text, 0);
    if (!IsEmptyTextAW(text)) {
        info.fMask |= RBBIM_TEXT;
        info.lpText = (wchar_t *)text;
    }
    info.fStyle = (UINT)band->BandStyle & ~LateBandStyle;
    info.wID = index + 1;
    ScaleBandSizes(band, dpi, &info);
    HWND placeholder = nullptr;
    int childHeight = (int)info.cyMinChild;
    if (child) {
        RECT rect;
        GetWindowRect(child, &rect);
        childHeight = rect.bottom - rect.top;
    } else {
        placeholder = CreateRuntimeWindow(0, L"STATIC", nullptr, WS_CHILD | SS_NOTIFY, 0, 0,
                                          (int)info.cx, childHeight, rebar, nullptr, nullptr);
        child = placeholder;
    }
    info.hwndChild = child;
    info.cyChild = childHeight;
    info.cyMaxChild = childHeight;
    info.cyIntegral = 1;
    SendMessageAW(rebar, TextMessageAW(RB_INSERTBANDA, RB_INSERTBANDW), index, (LPARAM)&info);
    if (band->BandStyle & LateBandStyle) {
        REBARBANDINFOW style = {};
        style.cbSize = BandInfoBytes;
        style.fMask = RBBIM_STYLE;
        style.fStyle = info.fStyle | LateBandStyle;
        SendMessageAW(rebar, TextMessageAW(RB_SETBANDINFOA, RB_SETBANDINFOW), index,
                      (LPARAM)&style);
    }
    if (placeholder) DestroyWindow(placeholder);
    FreeBlock(text);
}

void InsertRebarBands(WindowObject *object) {
    if (!object || !object->Handle || !object->Items || object->ItemCount <= 0) return;
    RebarItem *bands = (RebarItem *)OwnItemRecords(object, object->ItemCount, sizeof(RebarItem));
    if (!bands) return;
    const int dpi = ObjectDpi(object);
    for (int i = 0; i < object->ItemCount; ++i)
        InsertBand(object->Handle, i, &bands[i], dpi);
}

void RescaleRebarBands(WindowObject *object) {
    if (!object || !object->Handle || !object->Items || object->ItemCount <= 0) return;
    const RebarItem *bands = (const RebarItem *)object->Items;
    const int dpi = ObjectDpi(object);
    for (int i = 0; i < object->ItemCount; ++i) {
        REBARBANDINFOW info = {};
        info.cbSize = BandInfoBytes;
        info.fMask = RBBIM_CHILD;
        SendMessageW(object->Handle, RB_GETBANDINFOW, i, (LPARAM)&info);
        info.fMask = RBBIM_HEADERSIZE | RBBIM_SIZE | RBBIM_CHILDSIZE;
        ScaleBandSizes(&bands[i], dpi, &info);
        info.cyChild = info.cyMinChild;
        if (info.hwndChild) {
            RECT rect;
            GetWindowRect(info.hwndChild, &rect);
            info.cyChild = rect.bottom - rect.top;
        }
        info.cyMaxChild = info.cyChild;
        info.cyIntegral = 1;
        SendMessageW(object->Handle, RB_SETBANDINFOW, i, (LPARAM)&info);
    }
}
