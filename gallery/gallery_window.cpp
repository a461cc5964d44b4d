// The gallery window's behaviour: items for the list controls, the classic
// look switch, the drawings on the two pictures and the counter thread.
#include "gallery/gallery.h"
#include "app/version.h"
#include "qnruntime.h"

#include <commctrl.h>
#include <richedit.h>
#include <stdio.h>

const StartupValues ApplicationStartup = {
    .ClassSuffix = L"Gallery",
    .ExeName = L"Gallery.exe",
    .Title = L" Gallery", // with its leading blank
    .MainKind = KindWindow,
    .WideRequest = 1, // UTF-16 texts
    .CodePage = 1252, // for the runtime's conversions
    .VersionMajor = SETTINGS_VERSION_MAJOR,
    .VersionMinor = SETTINGS_VERSION_MINOR,
    .VersionRevision = SETTINGS_VERSION_RELEASE << 16 | SETTINGS_VERSION_BUILD,
    .MainTemplate = GalleryWindowTemplate,
};

enum : UINT {
    WM_COUNTED = WM_APP,         // wParam: the counter thread's count
    WM_DRAWPICTURE = WM_APP + 1, // draw on the picture that was just repainted
};

static HWND GalleryWindow;

static HWND ControlOf(int index) {
    return (HWND)GetControlHandle(GalleryWindow, ControlId(index));
}

LRESULT CALLBACK CountSeconds(HWND, UINT, WPARAM, LPARAM) {
    for (LONG count = 1;; ++count) {
        Sleep(1000);
        HWND window = GalleryWindow;
        if (window) PostMessageW(window, WM_COUNTED, (WPARAM)count, 0);
    }
}

static void FillTree(HWND tree) {
    TVINSERTSTRUCTW item = {};
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT | TVIF_STATE;
    item.item.state = item.item.stateMask = TVIS_EXPANDED;
    item.hParent = TVI_ROOT;
    item.item.pszText = (wchar_t *)L"Runtime";
    HTREEITEM root = (HTREEITEM)SendMessageW(tree, TVM_INSERTITEMW, 0, (LPARAM)&item);
    const wchar_t *floors[] = {L"Start-up",  L"Library",  L"Properties", L"Window procedures",
                               L"Templates", L"Painting", L"Base"};
    item.hParent = root;
    for (const wchar_t *floor : floors) {
        item.item.pszText = (wchar_t *)floor;
        HTREEITEM added = (HTREEITEM)SendMessageW(tree, TVM_INSERTITEMW, 0, (LPARAM)&item);
        if (floor == floors[5]) {
            TVINSERTSTRUCTW leaf = item;
            leaf.hParent = added;
            leaf.item.pszText = (wchar_t *)L"Owner-drawn controls";
            SendMessageW(tree, TVM_INSERTITEMW, 0, (LPARAM)&leaf);
        }
    }
}

static void FillList(HWND list) {
    const wchar_t *headings[] = {L"Kind", L"Control"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = i ? 150 : 70;
        column.pszText = (wchar_t *)headings[i];
        SendMessageW(list, LVM_INSERTCOLUMNW, i, (LPARAM)&column);
    }
    const wchar_t *rows[][2] = {{L"4", L"Label"},  {L"7", L"Push button"}, {L"12", L"Picture box"},
                                {L"13", L"Image"}, {L"18", L"List view"},  {L"34", L"Rebar"}};
    for (int i = 0; i < (int)(sizeof rows / sizeof rows[0]); ++i) {
        LVITEMW row = {};
        row.mask = LVIF_TEXT;
        row.iItem = i;
        row.pszText = (wchar_t *)rows[i][0];
        SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&row);
        row.iSubItem = 1;
        row.pszText = (wchar_t *)rows[i][1];
        SendMessageW(list, LVM_SETITEMTEXTW, i, (LPARAM)&row);
    }
}

static void FillLists() {
    HWND dropDown = ControlOf(IndexDropDown), dropList = ControlOf(IndexDropList);
    HWND list = ControlOf(IndexListBox);
    const wchar_t *items[] = {L"Second item", L"Third item", L"Fourth item"};
    for (const wchar_t *text : items) {
        SendMessageW(dropDown, CB_ADDSTRING, 0, (LPARAM)text);
        SendMessageW(dropList, CB_ADDSTRING, 0, (LPARAM)text);
        SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)text);
    }
    SendMessageW(dropDown, CB_SETCURSEL, 0, 0);
    SendMessageW(dropList, CB_SETCURSEL, 0, 0);
    SendMessageW(list, LB_SETCURSEL, 1, 0);

    HWND extended = ControlOf(IndexExtendedCombo);
    const wchar_t *extendedItems[] = {L"Extended combo box", L"With items", L"Of its own"};
    for (int i = 0; i < 3; ++i) {
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = (wchar_t *)extendedItems[i];
        SendMessageW(extended, CBEM_INSERTITEMW, 0, (LPARAM)&item);
    }
    SendMessageW(extended, CB_SETCURSEL, 0, 0);

    FillTree(ControlOf(IndexTree));
    FillList(ControlOf(IndexList));
}

static void SetUpGallery(HWND window) {
    GalleryWindow = window;
    FillLists();
    SendMessageW(ControlOf(IndexHotKey), HKM_SETHOTKEY,
                 MAKEWORD('G', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
    SendMessageW(ControlOf(IndexAddress), IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 0, 1));
    HWND pager = ControlOf(IndexPager);
    SendMessageW(pager, PGM_SETCHILD, 0, (LPARAM)ControlOf(IndexPagedText));
    SendMessageW(pager, PGM_RECALCSIZE, 0, 0);
    // The focus starts in a text box, so that the default buttons show as
    // defaults.
    SetFocus(ControlOf(IndexTextBox));
    StartTimerLabel(window);
}

// The classic look draws the runtime's owner-drawn buttons without the
// visual style; the system's own controls keep theirs.
static void SwitchClassicLook(HWND window, bool classic) {
    if (classic)
        ReleaseThemeLibrary();
    else if (GetOsVersion(nullptr) >= OsXp && SendMessageW(window, RTM_HASMANIFEST, 0, 0))
        LoadThemeLibrary();
    RedrawAll(window);
}

static void ShowCount(WPARAM count) {
    wchar_t text[64];
    swprintf(text, 64, L"Counter thread: %u s", (unsigned)count);
    SendMessageW(ControlOf(IndexStatusBar), SB_SETTEXTW, 1, (LPARAM)text);
}

LRESULT CALLBACK GalleryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case RTM_CREATED:
        if (wParam == 0) SetUpGallery(window);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return 0;
        if (LOWORD(wParam) == ControlId(IndexClassicLook))
            SwitchClassicLook(window, SendMessageW((HWND)lParam, BM_GETCHECK, 0, 0) == BST_CHECKED);
        if (IsPropertyButton(ControlIndex(LOWORD(wParam))))
            ChangeProperties(window, ControlIndex(LOWORD(wParam)));
        return 0;
    case WM_TIMER:
        if (wParam == WindowTimerId) CountTimerTick(window);
        return 0;
    case WM_NOTIFY: {
        NMPGCALCSIZE *calc = (NMPGCALCSIZE *)lParam;
        if (calc->hdr.code == PGN_CALCSIZE && (calc->dwFlag & PGF_CALCWIDTH)) {
            RECT paged;
            GetWindowRect(ControlOf(IndexPagedText), &paged);
            calc->iWidth = paged.right - paged.left;
        }
        return 0;
    }
    case WM_COUNTED: ShowCount(wParam); return 0;
    case WM_DESTROY: GalleryWindow = nullptr; return 0;
    default: return 0;
    }
}

// Lines, rectangles and ellipses, and text printed at a position: drawn
// after each repaint of the picture, because drawing is not repainted.
static void DrawOnPicture(HWND picture, bool buffered) {
    SetTextX(picture, 10);
    SetTextY(picture, 8);
    PrintTextW(picture, buffered ? L"Printed on a buffered picture" : L"Printed text");
    DrawShape(picture, 10, 34, 110, 34, 0, -1);
    DrawShape(picture, 10, 44, 90, 100, 1, buffered ? RGB(255, 200, 80) : RGB(180, 230, 180));
    DrawEllipse(picture, 110, 44, 200, 100, buffered ? RGB(120, 170, 255) : RGB(255, 170, 170));
    DrawEllipse(picture, 150, 60, 236, 120, -1);
    DrawShape(picture, 10, 130, 236, 110, 0, -1);
}

LRESULT CALLBACK DrawingPictureProc(HWND window, UINT message, WPARAM, LPARAM) {
    static bool drawing;
    if (message == WM_PAINT && !drawing) PostMessageW(window, WM_DRAWPICTURE, 0, 0);
    if (message == WM_DRAWPICTURE) {
        drawing = true;
        DrawOnPicture(window, GetDlgCtrlID(window) == ControlId(IndexBuffered));
        drawing = false;
        return 1;
    }
    return 0;
}
