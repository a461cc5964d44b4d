// The gallery's window template: every kind of control, in four columns
// between a toolbar and rebar at the top and a status bar at the bottom.
#include "gallery/gallery.h"
#include "qnruntime.h"

#include <commctrl.h>

namespace {

constexpr int32_t ButtonFace = SystemColour(COLOR_BTNFACE);
constexpr int32_t ButtonText = SystemColour(COLOR_BTNTEXT);
constexpr int32_t White = RGB(255, 255, 255);
constexpr int32_t DarkBlue = RGB(0, 0, 160);
constexpr int32_t LinkBlue = RGB(0, 102, 204);
constexpr int32_t Red = RGB(200, 0, 0);

struct Box {
    int32_t Left, Top, Width, Height;
};

// A control entry with the gallery's defaults: visible, enabled, 8-point
// Tahoma in the button colours, pixels.
constexpr WindowObject Control(ControlKind kind, const wchar_t *name, int32_t index, Box at,
                               DWORD style, const wchar_t *text = L"", int32_t children = 0) {
    WindowObject e{};
    e.Kind = kind;
    e.Name = name;
    e.Index = index;
    e.Left = at.Left;
    e.Top = at.Top;
    e.Width = at.Width;
    e.Height = at.Height;
    e.Style = WS_CHILD | WS_VISIBLE | style;
    e.BackColorSetting = ButtonFace;
    e.ForeColorSetting = ButtonText;
    e.Enabled = 1;
    e.Visible = 1;
    e.PictureType = PictureNone;
    e.FontName = TextRef(L"Tahoma");
    e.FontSize = 8;
    e.TextBuffer = TextRef(text);
    e.ToolTipText = TextRef(L"");
    e.ChildCount = children;
    return e;
}

constexpr WindowObject Group(const wchar_t *name, int32_t index, Box at, const wchar_t *caption,
                             int32_t alignment, int32_t children) {
    WindowObject e = Control(KindGroupBox, name, index, at, 0, caption, children);
    e.ShowFrame = 1;
    e.Alignment = alignment;
    e.FontBold = 1;
    return e;
}

// A push button the runtime draws, with an image at a position.
constexpr WindowObject OwnerButton(const wchar_t *name, int32_t index, Box at,
                                   const wchar_t *caption, ImageRef image = 0,
                                   ButtonImagePosition position = ImageAbove) {
    WindowObject e = Control(KindPushButton, name, index, at, BS_OWNERDRAW | WS_TABSTOP, caption);
    e.OwnerDrawn = 1;
    e.ShowFocus = 1;
    e.TabStop = 1;
    e.Picture = image;
    e.PicturePosition = position;
    return e;
}

// A push button the system draws, for comparison.
constexpr WindowObject SystemButton(const wchar_t *name, int32_t index, Box at,
                                    const wchar_t *caption, DWORD style = BS_PUSHBUTTON) {
    WindowObject e = Control(KindPushButton, name, index, at, style | WS_TABSTOP, caption);
    e.TabStop = 1;
    return e;
}

constexpr WindowObject Disabled(WindowObject e) {
    e.Enabled = 0;
    e.Style |= WS_DISABLED;
    return e;
}

constexpr WindowObject Label(const wchar_t *name, int32_t index, Box at, const wchar_t *text,
                             int32_t alignment = TextAlignLeft) {
    WindowObject e = Control(KindLabel, name, index, at, SS_OWNERDRAW, text);
    e.Alignment = alignment;
    return e;
}

constexpr WindowObject Transparent(WindowObject e, int32_t foreColour) {
    e.Transparent = 1;
    e.BackColorSetting = NoColour;
    e.ForeColorSetting = foreColour;
    e.FontBold = 1;
    e.FontSize = 9;
    return e;
}

constexpr WindowObject Image(const wchar_t *name, int32_t index, Box at, ImageRef image,
                             int32_t stretch) {
    WindowObject e = Control(KindImage, name, index, at, SS_OWNERDRAW);
    e.Picture = image;
    e.Stretch = stretch;
    e.BackColorSetting = White;
    return e;
}

constexpr WindowObject Check(ControlKind kind, const wchar_t *name, int32_t index, Box at,
                             const wchar_t *caption, int32_t value) {
    const DWORD style = kind == KindOptionButton ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX;
    WindowObject e = Control(kind, name, index, at, style | WS_TABSTOP, caption);
    e.Value = value;
    e.TabStop = 1;
    return e;
}

constexpr WindowObject Range(ControlKind kind, const wchar_t *name, int32_t index, Box at,
                             DWORD style, int32_t low, int32_t high, int32_t value) {
    WindowObject e = Control(kind, name, index, at, style);
    e.Min = low;
    e.Max = high;
    e.Value = value;
    return e;
}

// A picture drawn on by its EventProcedure.
constexpr WindowObject Drawing(const wchar_t *name, int32_t index, Box at, int32_t back,
                               int32_t fore, int32_t doubleBuffer) {
    WindowObject e = Control(KindPictureBox, name, index, at, WS_BORDER);
    e.BackColorSetting = back;
    e.ForeColorSetting = fore;
    e.DoubleBuffer = doubleBuffer;
    e.PenStyle = PS_SOLID;
    e.PenWidth = 2;
    e.FontItalic = 1;
    e.EventProcedure = DrawingPictureProc;
    return e;
}

template <class T> constexpr void *Records(const T *records) {
    return const_cast<T *>(records);
}

constexpr ToolbarItem ToolbarButton(int32_t image, int32_t command, const wchar_t *text) {
    return {image,         command, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_AUTOSIZE, {0, 0},
            TextRef(text), image};
}
// The toolbar's command identifiers, apart from the controls' own.
enum ToolbarCommand : int32_t { CommandNew = 2001, CommandOpen, CommandSave, CommandHelp };
constinit const ToolbarItem ToolbarButtons[] = {
    ToolbarButton(0, CommandNew, L"New"),
    ToolbarButton(1, CommandOpen, L"Open"),
    ToolbarButton(2, CommandSave, L"Save"),
    ToolbarButton(3, CommandHelp, L"Help"),
};

constinit const StatusBarItem StatusParts[] = {
    {160, 0, TextRef(L"Every control of the runtime")},
    {220, 0, TextRef(L"Counter thread: starting")},
    {-1, 0, TextRef(L"")},
};

constinit const RebarItem RebarBands[] = {
    {0, 420, 24, 260, RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS, BitmapBand, nullptr, 0, L"lblBand",
     TextRef(L"Rebar")},
};

constinit const TabItem Tabs[] = {
    {TextRef(L"General")}, {TextRef(L"Colours")}, {TextRef(L"Fonts")}};

constinit const HeaderItem HeaderItems[] = {
    {0, 90, TextAlignLeft, TextRef(L"Name")},
    {0, 80, TextAlignCentre, TextRef(L"Size")},
    {0, 76, TextAlignRight, TextRef(L"Type")},
};

constexpr WindowObject GalleryWindowEntry(const WindowObject *self) {
    WindowObject e{};
    e.Kind = KindWindow;
    e.Name = L"frmGallery";
    e.TextBuffer = TextRef(L"Gallery of the runtime's controls");
    e.BackColorSetting = ButtonFace;
    e.ForeColorSetting = ButtonText;
    e.StartUpPosition = StartCentredOnScreen;
    e.PenWidth = 1;
    e.Enabled = 1;
    e.Visible = 1;
    e.FontName = TextRef(L"Tahoma");
    e.FontSize = 8;
    e.Width = 1108;
    e.Height = 790;
    e.Icon = IconGallery;
    e.PictureType = PictureNone;
    e.FixedFontScale = 1;
    e.IsMainWindow = 1;
    e.EventProcedure = GalleryWindowProc;
    e.ChildCount = 48;
    e.Style =
        WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    e.ExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    e.TemplateStart = self;
    return e;
}

constexpr WindowObject Toolbar() {
    WindowObject e = Control(KindToolbar, L"tbrMain", IndexToolbar, {0, 0, 400, 26},
                             TBSTYLE_FLAT | TBSTYLE_LIST | CCS_TOP | CCS_NODIVIDER);
    e.Align = DockTop;
    e.Picture = BitmapToolbar;
    e.PictureWidth = 16;
    e.ButtonWidth = 16;
    e.ButtonHeight = 16;
    e.Items = Records(ToolbarButtons);
    e.ItemCount = 4;
    return e;
}

constexpr WindowObject Rebar() {
    WindowObject e = Control(KindRebar, L"rbrMain", IndexRebar, {0, 0, 400, 32},
                             RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP, L"", 1);
    e.Align = DockTop;
    e.BackColorSetting = RGB(250, 226, 180);
    e.Items = Records(RebarBands);
    e.ItemCount = 1;
    return e;
}

constexpr WindowObject StatusBar() {
    WindowObject e = Control(KindStatusBar, L"sbrMain", IndexStatusBar, {0, 0, 400, 22}, 0);
    e.Align = DockBottom;
    e.Items = Records(StatusParts);
    e.ItemCount = 3;
    return e;
}

constexpr WindowObject Coloured() {
    WindowObject e = OwnerButton(L"btnColoured", IndexColoured, {160, 164, 140, 44},
                                 L"Runtime colours", IconStar16, ImageRight);
    e.BackColorSetting = RGB(200, 235, 200);
    e.ForeColorSetting = DarkBlue;
    e.FontBold = 1;
    return e;
}

constexpr WindowObject Wrapped() {
    WindowObject e = OwnerButton(L"btnWrapped", IndexWrapped, {10, 164, 140, 44},
                                 L"Its caption wraps onto two lines");
    e.MultiLine = 1;
    return e;
}

constexpr WindowObject Default(WindowObject e) {
    e.IsDefault = 1;
    return e;
}

constexpr WindowObject LinkLabel() {
    WindowObject e = Label(L"lblLink", IndexLabelLink, {10, 144, 230, 16}, L"https://example.com/");
    e.Hyperlink = 1;
    e.ForeColorSetting = LinkBlue;
    e.HoverColor = Red;
    e.FontUnderline = 1;
    return e;
}

constexpr WindowObject WrappedLabel() {
    WindowObject e =
        Label(L"lblWrapped", IndexLabelWrapped, {10, 80, 230, 44},
              L"A word-wrapped label breaks its text into as many lines as its width needs.");
    e.WordWrap = 1;
    return e;
}

constexpr WindowObject CentredLabel() {
    WindowObject e = Label(L"lblCentre", IndexLabelCentre, {10, 40, 230, 16},
                           L"Centred label on its own colour", TextAlignCentre);
    e.BackColorSetting = RGB(255, 250, 190);
    return e;
}

// The landscape covers the whole picture box: no background of its own shows.
constexpr WindowObject Photo() {
    WindowObject e =
        Control(KindPictureBox, L"picPhoto", IndexPhoto, {326, 262, 250, 110}, WS_BORDER, L"", 2);
    e.Picture = BitmapLandscape;
    return e;
}

constexpr WindowObject Animation() {
    WindowObject e = Control(KindAnimation, L"aniClip", IndexAnimation, {326, 522, 64, 48},
                             WS_BORDER | ACS_CENTER | ACS_TRANSPARENT);
    e.BackColorSetting = RGB(210, 225, 245);
    return e;
}

constexpr WindowObject Pager() {
    WindowObject e =
        Control(KindPager, L"pgrStrip", IndexPager, {398, 522, 150, 28}, PGS_HORZ, L"", 1);
    e.PagerButtonSize = 12;
    return e;
}

constexpr WindowObject PagedText() {
    WindowObject e =
        Control(KindTextBox, L"txtPaged", IndexPagedText, {0, 0, 420, 24}, ES_READONLY | WS_BORDER,
                L"A pager scrolls this text box, which is wider than the pager itself.");
    e.BackColorSetting = White;
    return e;
}

constexpr WindowObject Tabs_() {
    WindowObject e = Control(KindTabControl, L"tabPages", IndexTabs, {584, 386, 250, 90}, 0);
    e.Items = Records(Tabs);
    e.ItemCount = 3;
    return e;
}

constexpr WindowObject Trackbar() {
    WindowObject e = Range(KindTrackbar, L"trkLevel", IndexTrackbar, {584, 484, 250, 32},
                           TBS_AUTOTICKS, 0, 10, 4);
    e.TickFrequency = 1;
    return e;
}

// The bar is drawn in the fore colour, which the button text colour would
// make a row of black blocks.
constexpr WindowObject ProgressBar() {
    WindowObject e =
        Range(KindProgressBar, L"prgDone", IndexProgress, {584, 522, 250, 18}, 0, 0, 100, 60);
    e.ForeColorSetting = SystemColour(COLOR_HIGHLIGHT);
    return e;
}

constexpr WindowObject Header() {
    WindowObject e =
        Control(KindHeader, L"hdrColumns", IndexHeader, {584, 580, 250, 24}, HDS_BUTTONS);
    e.Items = Records(HeaderItems);
    e.ItemCount = 3;
    return e;
}

constexpr WindowObject ListView() {
    WindowObject e =
        Control(KindListView, L"lvwList", IndexList, {842, 416, 250, 150}, LVS_REPORT | WS_BORDER);
    e.ListViewExStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    e.BackColorSetting = SystemColour(COLOR_WINDOW);
    e.ForeColorSetting = SystemColour(COLOR_WINDOWTEXT);
    return e;
}

constexpr WindowObject TreeView() {
    WindowObject e = Control(KindTreeView, L"tvwTree", IndexTree, {842, 258, 250, 150},
                             TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | WS_BORDER);
    e.BackColorSetting = SystemColour(COLOR_WINDOW);
    e.ForeColorSetting = SystemColour(COLOR_WINDOWTEXT);
    return e;
}

// A label placed and sized in twips (15 to the pixel at 96 dpi).
constexpr WindowObject Moving() {
    // At 96 dpi: 584, 684, 160 by 20 pixels.
    WindowObject e = Label(L"lblMoving", IndexMoving, {8760, 10260, 2400, 300}, L"Placed in twips",
                           TextAlignCentre);
    e.ScaleMode = ScaleTwips;
    e.BackColorSetting = RGB(255, 236, 160);
    return e;
}

// The template's code of THREAD_PRIORITY_NORMAL.
constexpr int32_t NormalThreadPriority = 2;

constexpr WindowObject Counter() {
    WindowObject e = Control(KindThread, L"thrCounter", IndexCounter, {0, 0, 0, 0}, 0);
    e.EventProcedure = CountSeconds;
    e.ThreadPriority = NormalThreadPriority;
    return e;
}

constexpr WindowObject TextBox(const wchar_t *name, int32_t index, Box at, const wchar_t *text,
                               DWORD style = 0) {
    WindowObject e = Control(KindTextBox, name, index, at, WS_BORDER | WS_TABSTOP | style, text);
    e.BackColorSetting = SystemColour(COLOR_WINDOW);
    e.ForeColorSetting = SystemColour(COLOR_WINDOWTEXT);
    e.TabStop = 1;
    return e;
}

// A combo box or list box with its first item.
constexpr WindowObject Listed(ControlKind kind, const wchar_t *name, int32_t index, Box at,
                              DWORD style, const wchar_t *first) {
    WindowObject e = Control(kind, name, index, at, style | WS_VSCROLL | WS_TABSTOP, first);
    e.BackColorSetting = SystemColour(COLOR_WINDOW);
    e.ForeColorSetting = SystemColour(COLOR_WINDOWTEXT);
    e.VisibleItems = 5;
    return e;
}

constexpr WindowObject RichText() {
    WindowObject e = Control(KindRichTextBox, L"rtfText", IndexRichText, {8, 664, 150, 64},
                             ES_MULTILINE | WS_BORDER | ES_AUTOVSCROLL,
                             L"A rich text box, with more than one line of text in it.");
    e.MultiLine = 1;
    e.BackColorSetting = SystemColour(COLOR_WINDOW);
    return e;
}

constexpr WindowObject UpDown() {
    WindowObject e =
        Range(KindUpDown, L"updNumber", IndexUpDown, {386, 634, 18, 22},
              UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 0, 100, 42);
    return e;
}

} // namespace

// Constant data, so that the compiler checks it below.
constexpr WindowTemplate GalleryWindowTemplate[] = {
    GalleryWindowEntry(GalleryWindowTemplate),
    Toolbar(),
    Rebar(),
    Transparent(
        Label(L"lblBand", IndexBandLabel, {0, 0, 240, 22}, L"Transparent label on a rebar band"),
        DarkBlue),
    StatusBar(),

    // Column 1: owner-drawn buttons beside the system's, caption alignments,
    // lists and combo boxes.
    Group(L"grpButtons", IndexButtons, {8, 70, 310, 362}, L"Owner-drawn push buttons",
          TextAlignLeft, 16),
    OwnerButton(L"btnAbove", IndexImageAbove, {10, 22, 140, 58}, L"Image above", IconStar16,
                ImageAbove),
    OwnerButton(L"btnBelow", IndexImageBelow, {160, 22, 140, 58}, L"Image below", IconStar16,
                ImageBelow),
    OwnerButton(L"btnLeft", IndexImageLeft, {10, 88, 140, 30}, L"Image left", BitmapArrow,
                ImageLeft),
    OwnerButton(L"btnRight", IndexImageRight, {160, 88, 140, 30}, L"Image right", BitmapArrow,
                ImageRight),
    OwnerButton(L"btnIcon", IndexIconOnly, {10, 126, 140, 30}, L"", IconStar16),
    Disabled(OwnerButton(L"btnDisabledImage", IndexDisabledImage, {160, 126, 140, 30}, L"Disabled",
                         IconStar16, ImageLeft)),
    Wrapped(),
    Coloured(),
    Label(L"lblCompare", IndexCompare, {10, 214, 290, 16},
          L"Owner-drawn (left) and system push buttons (right):"),
    OwnerButton(L"btnPlain", IndexOwnerPlain, {10, 232, 140, 28}, L"&Push me"),
    SystemButton(L"btnSystem", IndexSystemPlain, {160, 232, 140, 28}, L"&Push me"),
    Default(OwnerButton(L"btnDefault", IndexOwnerDefault, {10, 264, 140, 28}, L"Default")),
    SystemButton(L"btnSystemDefault", IndexSystemDefault, {160, 264, 140, 28}, L"Default",
                 BS_DEFPUSHBUTTON),
    Disabled(OwnerButton(L"btnOff", IndexOwnerDisabled, {10, 296, 140, 28}, L"Disabled")),
    Disabled(SystemButton(L"btnSystemOff", IndexSystemDisabled, {160, 296, 140, 28}, L"Disabled")),
    Check(KindCheckBox, L"chkClassic", IndexClassicLook, {10, 334, 200, 18}, L"Classic look", 0),

    Group(L"grpLeft", IndexLeftGroup, {8, 440, 310, 48}, L"Left caption", TextAlignLeft, 2),
    Check(KindOptionButton, L"optOne", IndexOptionOne, {12, 20, 130, 18}, L"Option one", 1),
    Check(KindOptionButton, L"optTwo", IndexOptionTwo, {160, 20, 130, 18}, L"Option two", 0),
    Group(L"grpCentre", IndexCentreGroup, {8, 494, 310, 48}, L"Centred caption", TextAlignCentre,
          2),
    Check(KindCheckBox, L"chkOne", IndexCheckOne, {12, 20, 130, 18}, L"Check box", 1),
    Check(KindCheckBox, L"chkTwo", IndexCheckTwo, {160, 20, 130, 18}, L"Another one", 0),
    Group(L"grpRight", IndexRightGroup, {8, 548, 310, 48}, L"Right caption", TextAlignRight, 1),
    TextBox(L"txtInGroup", IndexGroupText, {12, 18, 286, 22}, L"A text box in a group"),
    Listed(KindComboBox, L"cboDropDown", IndexDropDown, {8, 604, 150, 160}, CBS_DROPDOWN,
           L"Drop-down combo"),
    Listed(KindComboBox, L"cboList", IndexDropList, {168, 604, 150, 160}, CBS_DROPDOWNLIST,
           L"Drop-down list"),
    Listed(KindExtendedComboBox, L"cbxExtended", IndexExtendedCombo, {8, 634, 150, 160},
           CBS_DROPDOWNLIST, L""),
    Listed(KindListBox, L"lstItems", IndexListBox, {168, 634, 150, 94},
           WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, L"List box"),
    RichText(),

    // Column 2: labels, a picture with transparent labels, image controls
    // and the smaller common controls.
    Group(L"grpLabels", IndexLabels, {326, 70, 250, 186}, L"Labels", TextAlignCentre, 7),
    Label(L"lblLeft", IndexLabelLeft, {10, 20, 230, 16}, L"Left-aligned label"),
    CentredLabel(),
    Label(L"lblRight", IndexLabelRight, {10, 60, 230, 16}, L"Right-aligned label", TextAlignRight),
    WrappedLabel(),
    Disabled(Label(L"lblDisabled", IndexLabelDisabled, {10, 126, 230, 16}, L"Disabled label")),
    LinkLabel(),
    Control(KindLink, L"lnkSys", IndexSysLink, {10, 162, 230, 18}, 0,
            L"A <a href=\"https://example.com/\">SysLink</a> control"),
    Photo(),
    Transparent(Label(L"lblOverPicture", IndexOverPicture, {8, 8, 234, 18},
                      L"Transparent label over a picture"),
                White),
    Transparent(Label(L"lblOverPictureRight", IndexOverPictureRight, {8, 84, 234, 18},
                      L"and one aligned right", TextAlignRight),
                RGB(255, 255, 0)),
    Group(L"grpImages", IndexImages, {326, 378, 250, 112}, L"Image controls", TextAlignRight, 6),
    Image(L"imgBitmap", IndexImageBitmap, {12, 20, 64, 64}, BitmapTile, 0),
    Image(L"imgIcon", IndexImageIcon, {93, 20, 64, 64}, IconStar32, 0),
    Image(L"imgStretched", IndexImageStretched, {174, 20, 64, 64}, BitmapTile, 1),
    Label(L"lblBitmap", IndexCaptionBitmap, {12, 88, 64, 16}, L"Centred", TextAlignCentre),
    Label(L"lblIcon", IndexCaptionIcon, {93, 88, 64, 16}, L"Icon", TextAlignCentre),
    Label(L"lblStretched", IndexCaptionStretched, {174, 88, 64, 16}, L"Stretched", TextAlignCentre),
    Range(KindHScrollBar, L"hsbScroll", IndexHScroll, {326, 498, 220, 17}, SBS_HORZ, 0, 100, 30),
    Range(KindVScrollBar, L"vsbScroll", IndexVScroll, {556, 498, 17, 96}, SBS_VERT, 0, 100, 60),
    Animation(),
    Pager(),
    PagedText(),
    Control(KindHotKey, L"hkyKey", IndexHotKey, {326, 578, 220, 22}, WS_TABSTOP),
    Control(KindIpAddress, L"ipaAddress", IndexAddress, {326, 606, 220, 22}, WS_TABSTOP),
    TextBox(L"txtNumber", IndexNumber, {326, 634, 60, 22}, L"42", ES_NUMBER),
    UpDown(),
    TextBox(L"txtPlain", IndexTextBox, {412, 634, 164, 22}, L"Text box"),

    // Column 3: pictures drawn on, directly and double-buffered, and more
    // common controls.
    Drawing(L"picDraw", IndexDrawing, {584, 70, 250, 150}, White, RGB(160, 0, 0), 0),
    Drawing(L"picBuffered", IndexBuffered, {584, 228, 250, 150}, RGB(220, 235, 255), DarkBlue, 1),
    Tabs_(),
    Trackbar(),
    ProgressBar(),
    Control(KindDateTimePicker, L"dtpDate", IndexDatePicker, {584, 548, 250, 24}, WS_TABSTOP),
    Header(),

    // Column 4: calendar, tree and list.
    Control(KindMonthCalendar, L"mclMonth", IndexCalendar, {842, 70, 250, 180}, 0),
    TreeView(),
    ListView(),
    Counter(),

    // Under columns 3 and 4: buttons that change properties of the controls
    // above, the label they move in twips and the window timer's label.
    Label(L"lblPropertyNote", IndexPropertyNote, {584, 608, 508, 16},
          L"Each button below changes properties of a control while the gallery runs:"),
    SystemButton(L"btnCaption", IndexSetCaption, {584, 626, 98, 24}, L"Caption"),
    SystemButton(L"btnColours", IndexSetColours, {686, 626, 98, 24}, L"Colours"),
    SystemButton(L"btnFont", IndexSetFont, {788, 626, 98, 24}, L"Font"),
    SystemButton(L"btnVisible", IndexSetVisible, {890, 626, 98, 24}, L"Hide icon"),
    SystemButton(L"btnEnabled", IndexSetEnabled, {992, 626, 98, 24}, L"Disable group"),
    SystemButton(L"btnGeometry", IndexSetGeometry, {584, 654, 98, 24}, L"Move in twips"),
    SystemButton(L"btnValues", IndexSetValues, {686, 654, 98, 24}, L"Values"),
    SystemButton(L"btnRanges", IndexSetRanges, {788, 654, 98, 24}, L"Ranges"),
    SystemButton(L"btnPicture", IndexSetPicture, {890, 654, 98, 24}, L"Picture"),
    SystemButton(L"btnDocking", IndexSetDocking, {992, 654, 98, 24}, L"Dock toolbar"),
    Moving(),
    Label(L"lblTimer", IndexTimerLabel, {942, 686, 150, 16}, L"Window timer: not started"),
};
static_assert(sizeof GalleryWindowTemplate / sizeof GalleryWindowTemplate[0] ==
              GalleryTemplateEntries);
static_assert(TemplateIsSound(GalleryWindowTemplate));
