// CreateControls: the controls of a window or container, created in
// template order, given their initial settings, bound and subclassed; and
// the threads that thread entries start in place of a control.
#include "runtime/templates/create_controls.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/control_items.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/rebar_bands.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/layout/layout.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>
#include <string.h>

struct KindClass {
    const wchar_t *ClassName;
    bool WithText;
    // Owner-draw type announced to the parent before creation, 0 for none.
    int CreatingType;
};

// Kinds 4 to 36 in order; the rich text box's class follows the text form.
static const KindClass KindClasses[] = {
    {L"STATIC", true, ODT_STATIC},
    {L"EDIT", false, 0},
    {L"QNGROUP", true, 0},
    {L"BUTTON", true, ODT_BUTTON},
    {L"BUTTON", true, 0},
    {L"BUTTON", true, 0},
    {L"LISTBOX", false, ODT_LISTBOX},
    {L"COMBOBOX", false, ODT_COMBOBOX},
    {L"QNPICTURE", true, 0},
    {L"STATIC", false, ODT_STATIC},
    {L"SCROLLBAR", false, 0},
    {L"SCROLLBAR", false, 0},
    {nullptr, false, 0},
    {L"SysTreeView32", false, 0},
    {L"SysListView32", false, 0},
    {L"ToolbarWindow32", false, 0},
    {L"msctls_statusbar32", false, 0},
    {L"msctls_progress32", false, 0},
    {L"msctls_trackbar32", false, 0},
    {L"SysTabControl32", false, 0},
    {L"msctls_updown32", false, 0},
    {L"SysAnimate32", false, 0},
    {L"SysIPAddress32", false, 0},
    {L"ComboBoxEx32", false, 0},
    {L"SysMonthCal32", false, 0},
    {L"SysDateTimePick32", false, 0},
    {L"msctls_hotkey32", false, 0},
    {L"SysPager", false, 0},
    {L"STATIC", false, 0},
    {L"SysHeader32", false, 0},
    {L"ReBarWindow32", false, 0},
    {nullptr, false, 0},
    {L"SysLink", true, 0},
};
static_assert(sizeof KindClasses / sizeof KindClasses[0] == KindLink - KindLabel + 1);

static const KindClass *ClassOfKind(int kind) {
    if (kind < KindLabel || kind > KindLink) return nullptr;
    return &KindClasses[kind - KindLabel];
}

static DWORD GroupCaptionAlignment(int alignment) {
    return alignment == TextAlignCentre  ? BS_CENTER
           : alignment == TextAlignRight ? BS_RIGHT
                                         : BS_LEFT;
}

// The control's rectangle in pixels: x, y, width, height.
struct PixelRect {
    int X, Y, Width, Height;
};

static PixelRect ControlRect(WindowObject *object, HWND ownerWindow, bool dialogOwner, int dpi) {
    const int scale = object->ScaleMode;
    if (dialogOwner) {
        // Dialog units, mapped with the dialog's font and kept in the
        // object's own units.
        RECT units = {object->Left, object->Top, object->Width, object->Height};
        MapDialogRect(ownerWindow, &units);
        object->Left = FromPixelsX(units.left, scale, dpi);
        object->Top = FromPixelsY(units.top, scale, dpi);
        object->Width = FromPixelsX(units.right, scale, dpi);
        object->Height = FromPixelsY(units.bottom, scale, dpi);
        return {units.left, units.top, units.right, units.bottom};
    }
    return {ToPixelsX(object->Left, scale, dpi), ToPixelsY(object->Top, scale, dpi),
            ToPixelsX(object->Width, scale, dpi), ToPixelsY(object->Height, scale, dpi)};
}

static HWND CreateControlWindow(HWND parent, WindowObject *object, const PixelRect &rect) {
    const KindClass *kind = ClassOfKind(object->Kind);
    const wchar_t *className = kind->ClassName;
    if (object->Kind == KindRichTextBox) {
        // The rich edit classes exist once their library is loaded; it stays
        // loaded for the windows of the process.
        static HMODULE richEdit;
        if (!richEdit) richEdit = LoadLibraryA("riched20.dll");
        className = UnicodeFlag ? L"RichEdit20W" : L"RichEdit20A";
    }
    if (kind->CreatingType) SendMessageAW(parent, RTM_SETCREATINGTYPE, kind->CreatingType, 0);
    DWORD exStyle = object->ExStyle;
    DWORD style = object->Style;
    PixelRect place = rect;
    HMENU id = (HMENU)(intptr_t)object->Id;
    void *parameter = nullptr;
    switch (object->Kind) {
    case KindGroupBox:
        // Bound by the window procedure at its first message.
        PendingObject = object;
        object->Style |= BS_GROUPBOX | GroupCaptionAlignment(object->Alignment);
        style = object->Style;
        object->PreviousProcedure = ButtonProcedure;
        parameter = &PendingObject;
        break;
    case KindPictureBox:
        PendingObject = object;
        object->PreviousProcedure = UnicodeFlag ? DefWindowProcW : DefWindowProcA;
        parameter = &PendingObject;
        break;
    case KindImageListHolder:
        exStyle = 0;
        style = WS_CHILD;
        place.Width = place.Height = 0;
        id = nullptr;
        break;
    default: break;
    }
    // A visible group or picture box is shown while it is created, before
    // any control inside it exists.
    WindowObject *outer = ShownByCreation;
    if (parameter) ShownByCreation = object;
    HWND window = CreateRuntimeWindow(exStyle, className,
                                      kind->WithText ? object->TextBuffer : nullptr, style, place.X,
                                      place.Y, place.Width, place.Height, parent, id, parameter);
    ShownByCreation = outer;
    if (!window && PendingObject == object) PendingObject = nullptr;
    return window;
}

static void AddFirstItem(HWND window, const WindowObject *object, UINT message) {
    const void *text = object->TextBuffer;
    if (IsEmptyTextAW(text)) return;
    SendMessageAW(window, message, 0, (LPARAM)text);
}

void ShowScrollBarState(HWND window, const WindowObject *object) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    info.nMin = object->Min;
    info.nMax = object->Max;
    info.nPage = (UINT)object->ScrollPage;
    info.nPos = object->Value;
    info.nTrackPos = object->Value;
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

static void SetUpProgressBar(HWND window, const WindowObject *object) {
    DWORD exStyle = ExStyleForSystem(object->ExStyle);
    SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)object->Style);
    SetWindowLongAW(window, GWL_EXSTYLE, (LONG_PTR)exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SendMessageAW(window, PBM_SETRANGE32, object->Min, object->Max);
    SendMessageAW(window, PBM_SETPOS, object->Value, 0);
}

static void SetUpTrackbar(HWND window, const WindowObject *object) {
    SendMessageAW(window, TBM_SETTICFREQ, object->TickFrequency, 0);
    SendMessageAW(window, TBM_SETRANGEMIN, FALSE, object->Min);
    SendMessageAW(window, TBM_SETRANGEMAX, TRUE, object->Max);
    SendMessageAW(window, TBM_SETSELSTART, FALSE, object->SelectionStart);
    SendMessageAW(window, TBM_SETSELEND, TRUE, object->SelectionEnd);
    SendMessageAW(window, TBM_SETPOS, TRUE, object->Value);
}

// The kind's initial settings, sent right after its window exists.
static void SetUpKind(HWND window, WindowObject *object, const PixelRect &rect) {
    switch (object->Kind) {
    case KindTextBox:
        SendMessageAW(window, EM_LIMITTEXT, object->MaxLength, 0);
        SendMessageAW(window, EM_SETPASSWORDCHAR, object->PasswordChar, 0);
        SendMessageAW(window, WM_SETTEXT, 0, (LPARAM)object->TextBuffer);
        break;
    case KindCheckBox:
    case KindOptionButton: SendMessageAW(window, BM_SETCHECK, object->Value, 0); break;
    case KindListBox: AddFirstItem(window, object, LB_ADDSTRING); break;
    case KindComboBox: AddFirstItem(window, object, CB_ADDSTRING); break;
    case KindPictureBox:
        object->TextFormat = object->Alignment == TextAlignCentre  ? DT_CENTER
                             : object->Alignment == TextAlignRight ? DT_RIGHT
                                                                   : DT_LEFT;
        object->PrintedText = nullptr;
        break;
    case KindHScrollBar:
    case KindVScrollBar: ShowScrollBarState(window, object); break;
    case KindRichTextBox:
        SendMessageAW(window, EM_LIMITTEXT, object->MaxLength, 0);
        SendMessageAW(window, WM_SETTEXT, 0, (LPARAM)object->TextBuffer);
        break;
    case KindTreeView: SendScaledSizes(object); break;
    case KindListView:
        SendMessageAW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, object->ListViewExStyle,
                      object->ListViewExStyle);
        break;
    case KindToolbar: SetUpToolbar(window, object); break;
    case KindStatusBar: SetUpStatusBar(window, object); break;
    case KindProgressBar: SetUpProgressBar(window, object); break;
    case KindTrackbar: SetUpTrackbar(window, object); break;
    case KindTabControl: SetUpTabs(window, object); break;
    case KindUpDown:
        SendMessageAW(window, UDM_SETRANGE32, object->Min, object->Max);
        SendMessageAW(window, UDM_SETPOS32, 0, object->Value);
        MoveWindow(window, rect.X, rect.Y, rect.Width, rect.Height, TRUE);
        break;
    case KindPager:
        SendMessageAW(window, PGM_SETBORDER, 0, 0);
        SendMessageAW(window, PGM_SETPOS, 0, 0);
        SendScaledSizes(object);
        break;
    case KindImageListHolder: SetUpImageListHolder(object); break;
    case KindHeader: SetUpHeader(window, object); break;
    case KindRebar:
        object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE) & ~2u;
        SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)object->Style);
        break;
    default: break;
    }
}

// An inner window passes its messages to the runtime, keeping its own
// procedure in its user data.
static void SubclassInnerWindow(HWND inner) {
    if (!inner) return;
    SetWindowLongAW(inner, GWLP_USERDATA, GetWindowLongAW(inner, GWLP_WNDPROC));
    SetWindowLongAW(inner, GWLP_WNDPROC, (LONG_PTR)InnerChildProc);
}

static bool IsDropDownList(const WindowObject *object) {
    return (object->Style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
}

static void SubclassInnerWindows(HWND window, const WindowObject *object) {
    switch (object->Kind) {
    case KindComboBox: {
        if (IsDropDownList(object)) break;
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(window, &info) && info.hwndItem != window)
            SubclassInnerWindow(info.hwndItem);
        break;
    }
    case KindExtendedComboBox:
        SubclassInnerWindow((HWND)SendMessageAW(window, CBEM_GETCOMBOCONTROL, 0, 0));
        if (!IsDropDownList(object))
            SubclassInnerWindow((HWND)SendMessageAW(window, CBEM_GETEDITCONTROL, 0, 0));
        break;
    case KindIpAddress: {
        // The field edits of every address box share one procedure.
        HWND field = GetWindow(window, GW_CHILD);
        if (field) IpEditProcedure = (WNDPROC)GetWindowLongAW(field, GWLP_WNDPROC);
        for (; field; field = GetWindow(field, GW_HWNDNEXT))
            SetWindowLongAW(field, GWLP_WNDPROC, (LONG_PTR)InnerChildProc);
        break;
    }
    default: break;
    }
}

// Binding, appearance and subclassing of a control whose window exists;
// group and picture boxes do this themselves at their first messages.
static void FinishControl(HWND window, HWND ownerWindow, WindowObject *object) {
    AddObject(window, object);
    ApplyControlAppearance(ownerWindow, object);
    if (object->Kind == KindLabel) MeasureLabelCaption(object);
    if (object->Kind == KindToolbar && object->Align == DockNone) NudgeSize(window);
    SubclassInnerWindows(window, object);
    object->PreviousProcedure = (WNDPROC)GetWindowLongAW(window, GWLP_WNDPROC);
    SetWindowLongAW(window, GWLP_WNDPROC, (LONG_PTR)RuntimeWindowProc);
    // The first automatic option button of a group is selected by a click.
    if (object->Kind == KindOptionButton && object->Index == 0 &&
        (object->Style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        SendMessageAW(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageAW(window, WM_LBUTTONUP, 0, 0);
    }
}

static void CreateControl(HWND parentWindow, HWND ownerWindow, bool dialogOwner, int dpi,
                          WindowObject *object) {
    if (!ClassOfKind(object->Kind)) return;
    object->Style |= WS_CHILD;
    const PixelRect rect = ControlRect(object, ownerWindow, dialogOwner, dpi);
    object->ParentHandle = ownerWindow;
    object->Id = ControlId(object->Index);
    if (object->Kind == KindThread) {
        StartTemplateThread(ownerWindow, object);
        return;
    }
    HWND window = CreateControlWindow(parentWindow, object, rect);
    const bool ownBinding = object->Kind == KindGroupBox || object->Kind == KindPictureBox;
    if (window) {
        object->Handle = window;
        SetUpKind(window, object, rect);
        if (!ownBinding)
            FinishControl(window, ownerWindow, object);
        else if (object->Kind == KindPictureBox)
            ChangePenStyle(object, window, object->PenStyle);
    }
    if (object->Children) CreateControls(object->Handle, ownerWindow, object);
    if (window && ownBinding)
        CallEventProcedure(object, window, RTM_CREATED, object->Kind, (LPARAM)object);
    if (window && object->Kind == KindRebar) InsertRebarBands(object);
}

void CreateControls(HWND parentWindow, HWND ownerWindow, WindowObject *container) {
    if (!container || !container->Children) return;
    const WindowObject *owner = ObjectFromHandle(ownerWindow);
    const bool dialogOwner = owner && owner->Kind == KindDialog;
    const int dpi = owner ? ObjectDpi(owner) : WindowDpi(ownerWindow);
    for (WindowObject **child = container->Children; *child; ++child)
        CreateControl(parentWindow, ownerWindow, dialogOwner, dpi, *child);
}

// Thread entries of templates: a thread started in place of a window and
// kept in the ThreadTable until shutdown.
static int ThreadPriorityFor(int code) {
    switch (code) {
    case 1: return THREAD_PRIORITY_ABOVE_NORMAL;
    case 2: return THREAD_PRIORITY_NORMAL;
    case 3: return THREAD_PRIORITY_IDLE;
    case 4: return THREAD_PRIORITY_BELOW_NORMAL;
    case 5: return THREAD_PRIORITY_LOWEST;
    default: return THREAD_PRIORITY_HIGHEST;
    }
}

void StartTemplateThread(HWND ownerWindow, WindowObject *object) {
    // A thread without a start routine would fault at once.
    if (!ThreadTable || ThreadCount >= (int)MaxThreads || !object->EventProcedure) return;
    ThreadRecord *record = &ThreadTable[ThreadCount];
    record->Window = ownerWindow;
    record->Id = object->Id;
    record->Thread = CreateThread(
        nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(object->EventProcedure),
        object->ThreadParameter, object->StartSuspended ? CREATE_SUSPENDED : 0, &record->ThreadId);
    if (!record->Thread) {
        // Shutdown stops at the first record without a thread.
        memset(record, 0, sizeof *record);
        return;
    }
    SetThreadPriority(record->Thread, ThreadPriorityFor(object->ThreadPriority));
    object->ThreadPriority = 0;
    ++ThreadCount;
}
