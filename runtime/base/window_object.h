// The window template entry and the WindowObject: one 292-byte record of
// 73 32-bit fields. A template is a pre-order array of entries (the window,
// then each child followed by its own subtree); creation copies every entry
// into a WindowObject on the heap and fills in its run-time fields.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <stddef.h>
#include <stdint.h>

enum ControlKind : int32_t {
    KindDialog = 1,
    KindMdiFrame = 2,
    KindWindow = 3,
    KindLabel = 4,
    KindTextBox = 5,
    KindGroupBox = 6,
    KindPushButton = 7,
    KindCheckBox = 8,
    KindOptionButton = 9,
    KindListBox = 10,
    KindComboBox = 11,
    KindPictureBox = 12,
    KindImage = 13,
    KindHScrollBar = 14,
    KindVScrollBar = 15,
    KindRichTextBox = 16,
    KindTreeView = 17,
    KindListView = 18,
    KindToolbar = 19,
    KindStatusBar = 20,
    KindProgressBar = 21,
    KindTrackbar = 22,
    KindTabControl = 23,
    KindUpDown = 24,
    KindAnimation = 25,
    KindIpAddress = 26,
    KindExtendedComboBox = 27,
    KindMonthCalendar = 28,
    KindDateTimePicker = 29,
    KindHotKey = 30,
    KindPager = 31,
    KindImageListHolder = 32,
    KindHeader = 33,
    KindRebar = 34,
    KindThread = 35,
    KindLink = 36,
};

// Codes of the field Align: the edge of its window that a picture box,
// toolbar, status bar or rebar is docked to.
enum DockEdge : int32_t {
    DockNone = 0,
    DockTop = 1,
    DockBottom = 2,
    DockLeft = 3,
    DockRight = 4,
};

// Codes of the field Alignment for group-box captions, picture-box and
// label texts, and of HeaderItem::Alignment.
enum TextAlignment : int32_t {
    TextAlignLeft = 0,
    TextAlignCentre = 1,
    TextAlignRight = 2,
};

// Codes of the field PicturePosition: where a push button's image stands
// against its caption.
enum ButtonImagePosition : int32_t {
    ImageAbove = 0,
    ImageBelow = 1,
    ImageLeft = 2,
    ImageRight = 3,
};

// Codes of the field PictureType: what the handle in Picture is.
enum PictureKind : int32_t {
    PictureNone = -1,
    PictureBitmap = 0,
    PictureIcon = 1,
    PictureCursor = 2,
};

// Codes of the field WindowState; one more than each is the ShowWindow
// command (SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED).
enum WindowShowState : int32_t {
    WindowHidden = -1,
    WindowNormal = 0,
    WindowMinimised = 1,
    WindowMaximised = 2,
};

// Codes of the field StartUpPosition: where a window first stands.
enum StartUpPlace : int32_t {
    StartAtLeftTop = 0,       // at its own Left and Top
    StartCentredOnOwner = 1,  // centred on its owner, or on the screen without one
    StartCentredOnScreen = 2, // centred on the work area (an MDI child: the system's place)
    StartWhereSystemPuts = 3, // CW_USEDEFAULT
};

// Codes of the field ToolTipStyle of windows.
enum ToolTipLook : int32_t {
    ToolTipsNone = 0,
    ToolTipsStandard = 1,
    ToolTipsBalloon = 2,
};

// The code of the field MousePointer that shows the object's MouseIcon.
constexpr int32_t CustomMousePointer = 14;

// Results of a modal run that the runtime ends itself: closed (WM_CLOSE not
// refused) and destroyed while it still ran.
enum : INT_PTR {
    ModalClosed = 0,
    ModalDestroyed = 2,
};

// The identifier of the timer that a window's TimerInterval starts.
constexpr int32_t WindowTimerId = 2;

// A control's window identifier is its template Index plus 1000.
constexpr int FirstControlId = 1000;
constexpr int ControlId(int index) {
    return index + FirstControlId;
}
constexpr int ControlIndex(int id) {
    return id - FirstControlId;
}

// Colour codes: bit 31 set names a system colour by its low byte; -1 is no
// background; anything else is a COLORREF.
constexpr int32_t NoColour = -1;
constexpr int32_t SystemColour(int index) {
    return (int32_t)(0x80000000u | (uint32_t)index);
}

// A text reference: the address of a UTF-16 text, or a string-table number
// below 32768. Fields that the runtime converts hold an owned heap copy in
// the active form at run time.
constexpr void *TextRef(const wchar_t *text) {
    return const_cast<wchar_t *>(text);
}
inline void *StringTableRef(int number) {
    return (void *)(uintptr_t)number;
}
constexpr uintptr_t FirstTextAddress = 32768;
inline bool IsHeapText(const void *text) {
    return (uintptr_t)text >= FirstTextAddress;
}

// An image reference: 0, a resource number from 1 to 65535, or a handle.
// Menu fields hold the same: a resource number or a menu handle.
typedef uintptr_t ImageRef;
constexpr uintptr_t FirstHandleValue = 65536;
constexpr bool IsResourceNumber(uintptr_t value) {
    return value && value < FirstHandleValue;
}
constexpr bool IsHandleValue(uintptr_t value) {
    return value >= FirstHandleValue;
}

struct WindowObject;
typedef WindowObject ControlTemplate;
typedef WindowObject WindowTemplate; // the window entry, first of the array

struct WindowObject {
    int32_t Align; // 0, a DockEdge
    union {
        int32_t AutoSize; // labels, picture boxes
        int32_t Cancel;   // push buttons
    };
    int32_t BackColorSetting;
    COLORREF BackColor;
    HBRUSH BackBrush; // 16
    union {
        int32_t EditOption;   // edit and combo boxes
        int32_t ShowFrame;    // group boxes
        int32_t Indentation;  // tree views
        int32_t ButtonHeight; // toolbars
    };
    union {
        int32_t StartUpPosition; // windows: a StartUpPlace
        int32_t ButtonWidth;     // toolbars
        int32_t PagerButtonSize; // pagers
    };
    ImageRef MouseIcon;
    int32_t MousePointer; // 32
    union {
        int32_t DoubleBuffer;  // picture boxes
        int32_t IsDefault;     // push buttons
        int32_t CloseDisabled; // windows
    };
    union {
        int32_t PenStyle;     // windows, picture boxes
        int32_t ItemCount;    // toolbar, status bar, tab control, header, rebar
        HIMAGELIST ImageList; // image-list holders
        int32_t OwnerDrawn;   // push buttons
    };
    int32_t PenWidth;
    int32_t Enabled; // 48
    HWND ActiveControl;
    HFONT Font;
    int32_t FontBold;
    int32_t FontItalic; // 64
    void *FontName;
    int32_t FontSize;
    int32_t FontStrikeOut;
    int32_t FontUnderline; // 80
    int32_t ForeColorSetting;
    COLORREF ForeColor;
    int32_t Height;
    HWND Handle; // 96
    HWND MdiClient;
    ImageRef Icon;
    ImageRef SmallIcon;
    union {
        int32_t PictureHeight; // 112
        int32_t CaptionHeight; // labels, group boxes
        int32_t ItemHeight;    // combo boxes; image-list holders: image height
    };
    int32_t PictureType; // a PictureKind
    union {
        int32_t PictureWidth; // also image-list holders and toolbars: image width
        int32_t CaptionWidth; // group boxes
    };
    int32_t FixedFontScale;
    int32_t Left; // 128
    int32_t IsMainWindow;
    union {
        int32_t MaxLength;       // edit, rich edit
        int32_t VisibleItems;    // combo boxes
        int32_t PicturePosition; // push buttons
        int32_t Hyperlink;       // labels
        int32_t GripperPointer;  // rebars: cursor code over the band grippers
        int32_t WindowTextX;     // windows: x of printed text (TextX's storage is KeyPreview)
    };
    int32_t MdiChild;
    union {
        uintptr_t Menu;    // 144, windows: resource number or menu handle
        void *ToolTipText; // controls
    };
    const wchar_t *Name;
    union {
        int32_t KeyPreview; // windows
        int32_t MultiLine;  // edit, rich edit, buttons
        int32_t NoPrefix;   // labels
        int32_t TextX;      // picture boxes
    };
    union {
        int32_t SelectionStart; // trackbars
        int32_t SimpleMode;     // status bars
        int32_t TextY;          // picture boxes
        int32_t CaptionLeft;    // group boxes
        int32_t LastHitTest;    // rebars: hit-test code of the last NM_NCHITTEST
    };
    HWND ParentHandle; // 160
    union {
        int32_t PasswordChar;   // edit
        int32_t RedrawOnResize; // windows
        void *PrintedText;      // picture boxes
    };
    HPEN Pen;
    ImageRef Picture; // header: the name (text) of an image-list holder
    union {
        int32_t ReadingOrder;  // 176
        void *ThreadParameter; // threads
    };
    int32_t ScaleMode; // 1 twips, else pixels
    union {
        int32_t ScrollBars;     // windows, edits
        int32_t Max;            // range controls
        int32_t HoverColor;     // labels
        int32_t StartSuspended; // threads
    };
    union {
        int32_t WindowState;    // windows: a WindowShowState
        int32_t Min;            // range controls
        int32_t ThreadPriority; // threads
    };
    union {
        HWND Modal;           // 192, windows: the owner of a modal run
        int32_t LabelOption;  // labels
        int32_t SelectionEnd; // trackbars
        int32_t Stretch;      // images
    };
    union {
        int32_t Index;        // controls
        int32_t ToolTipStyle; // windows: a ToolTipLook
    };
    int32_t TabStop;
    void *TextBuffer;
    union {
        int32_t Alignment; // 208, a TextAlignment
        int32_t ScrollPage;
        int32_t ListViewExStyle;
        int32_t ImageListFlags;
    };
    int32_t TextLength;
    int32_t TimerInterval;
    int32_t TimerId;
    int32_t Top; // 224
    union {
        int32_t ShowFocus;      // push buttons
        int32_t Transparent;    // labels, images
        int32_t BottomDockLast; // windows
        int32_t TickFrequency;  // trackbars
        int32_t InitialImages;  // image-list holders
    };
    ControlKind Kind;
    union {
        int32_t Value;      // check and option buttons, range controls
        int32_t TextFormat; // picture boxes
        int32_t WordWrap;   // labels
        int32_t Dpi;        // windows: run time, dots per inch of their layout
    };
    int32_t Visible; // 240
    int32_t Width;
    WNDPROC EventProcedure; // threads: the start routine
    WNDPROC PreviousProcedure;
    int32_t Id; // 256
    union {
        int32_t ChildCount;      // template: direct children that follow
        WindowObject **Children; // run time: null-terminated array
    };
    HWND DefaultButton;
    DWORD ExStyle;
    DWORD Style; // 272
    void *Items;
    union {
        const WindowObject *TemplateStart; // window entry: its own address
        HFONT InitialFont;                 // run time
    };
    union {
        HWND ToolTip;      // windows: their tooltip window
        void *ToolTipCopy; // controls: the converted tooltip text
    };
    int32_t TrackMouse; // 288
};

static_assert(sizeof(WindowObject) == 292);
static_assert(offsetof(WindowObject, AutoSize) == 4);
static_assert(offsetof(WindowObject, BackBrush) == 16);
static_assert(offsetof(WindowObject, EditOption) == 20);
static_assert(offsetof(WindowObject, StartUpPosition) == 24);
static_assert(offsetof(WindowObject, MouseIcon) == 28);
static_assert(offsetof(WindowObject, DoubleBuffer) == 36);
static_assert(offsetof(WindowObject, ImageList) == 40);
static_assert(offsetof(WindowObject, Enabled) == 48);
static_assert(offsetof(WindowObject, ActiveControl) == 52);
static_assert(offsetof(WindowObject, Font) == 56);
static_assert(offsetof(WindowObject, FontName) == 68);
static_assert(offsetof(WindowObject, FontSize) == 72);
static_assert(offsetof(WindowObject, ForeColorSetting) == 84);
static_assert(offsetof(WindowObject, Height) == 92);
static_assert(offsetof(WindowObject, Handle) == 96);
static_assert(offsetof(WindowObject, MdiClient) == 100);
static_assert(offsetof(WindowObject, Icon) == 104);
static_assert(offsetof(WindowObject, SmallIcon) == 108);
static_assert(offsetof(WindowObject, PictureHeight) == 112);
static_assert(offsetof(WindowObject, PictureType) == 116);
static_assert(offsetof(WindowObject, CaptionWidth) == 120);
static_assert(offsetof(WindowObject, FixedFontScale) == 124);
static_assert(offsetof(WindowObject, Left) == 128);
static_assert(offsetof(WindowObject, IsMainWindow) == 132);
static_assert(offsetof(WindowObject, Hyperlink) == 136);
static_assert(offsetof(WindowObject, MdiChild) == 140);
static_assert(offsetof(WindowObject, ToolTipText) == 144);
static_assert(offsetof(WindowObject, Name) == 148);
static_assert(offsetof(WindowObject, KeyPreview) == 152);
static_assert(offsetof(WindowObject, CaptionLeft) == 156);
static_assert(offsetof(WindowObject, ParentHandle) == 160);
static_assert(offsetof(WindowObject, RedrawOnResize) == 164);
static_assert(offsetof(WindowObject, Pen) == 168);
static_assert(offsetof(WindowObject, Picture) == 172);
static_assert(offsetof(WindowObject, ReadingOrder) == 176);
static_assert(offsetof(WindowObject, ScaleMode) == 180);
static_assert(offsetof(WindowObject, Max) == 184);
static_assert(offsetof(WindowObject, Min) == 188);
static_assert(offsetof(WindowObject, Modal) == 192);
static_assert(offsetof(WindowObject, Index) == 196);
static_assert(offsetof(WindowObject, TabStop) == 200);
static_assert(offsetof(WindowObject, TextBuffer) == 204);
static_assert(offsetof(WindowObject, Alignment) == 208);
static_assert(offsetof(WindowObject, TextLength) == 212);
static_assert(offsetof(WindowObject, TimerInterval) == 216);
static_assert(offsetof(WindowObject, TimerId) == 220);
static_assert(offsetof(WindowObject, Top) == 224);
static_assert(offsetof(WindowObject, ShowFocus) == 228);
static_assert(offsetof(WindowObject, Kind) == 232);
static_assert(offsetof(WindowObject, Value) == 236);
static_assert(offsetof(WindowObject, Visible) == 240);
static_assert(offsetof(WindowObject, Width) == 244);
static_assert(offsetof(WindowObject, EventProcedure) == 248);
static_assert(offsetof(WindowObject, PreviousProcedure) == 252);
static_assert(offsetof(WindowObject, Id) == 256);
static_assert(offsetof(WindowObject, Children) == 260);
static_assert(offsetof(WindowObject, DefaultButton) == 264);
static_assert(offsetof(WindowObject, ExStyle) == 268);
static_assert(offsetof(WindowObject, Style) == 272);
static_assert(offsetof(WindowObject, Items) == 276);
static_assert(offsetof(WindowObject, InitialFont) == 280);
static_assert(offsetof(WindowObject, ToolTip) == 284);
static_assert(offsetof(WindowObject, TrackMouse) == 288);

constexpr size_t TemplateEntryBytes = sizeof(WindowObject);

// Item records of the controls that carry an Items array.
struct ToolbarItem { // the system's 32-bit TBBUTTON layout
    int32_t Image;
    int32_t Command;
    BYTE State;
    BYTE Style;
    BYTE Reserved[2];
    void *Text; // text reference; an owned copy after creation
    intptr_t StringIndex;
};
static_assert(sizeof(ToolbarItem) == 20 && sizeof(ToolbarItem) == sizeof(TBBUTTON));

struct StatusBarItem {
    int32_t Width; // -1: to the right edge
    int32_t DrawType;
    void *Text;
};
static_assert(sizeof(StatusBarItem) == 12);

struct TabItem {
    void *Text;
};
static_assert(sizeof(TabItem) == 4);

struct ImageListItem {
    int32_t ImageType; // 0 bitmap, other icon
    int32_t Resource;  // 0 skips the record
};
static_assert(sizeof(ImageListItem) == 8);

struct HeaderItem {
    int32_t Image; // image index + 1, 0 none
    int32_t Width;
    int32_t Alignment; // a TextAlignment
    void *Text;
};
static_assert(sizeof(HeaderItem) == 16);

struct RebarItem {
    int32_t HeaderSize;
    int32_t BandWidth;
    int32_t MinChildHeight;
    int32_t MinChildWidth;
    int32_t BandStyle;
    uintptr_t Background; // bitmap resource, replaced by the handle
    HWND Child;
    int32_t Spare; // not read by creation
    const wchar_t *ChildName;
    void *Text;
};
static_assert(sizeof(RebarItem) == 40);
