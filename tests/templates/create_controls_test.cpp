// Control creation: every kind in a real window built from a template.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
#include <string>

#include "runtime/library/sysinfo.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/modal_run.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/control_items.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/messages.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/test_support.h"
#include "tests/support/object_windows.h"
#include "tests/support/template_builder.h"

namespace {

volatile LONG ThreadRuns;
volatile LONG ThreadParameterSum;

DWORD WINAPI CountingThread(void *parameter) {
    InterlockedIncrement(&ThreadRuns);
    InterlockedExchangeAdd(&ThreadParameterSum, (LONG)(intptr_t)parameter);
    return 0;
}

WNDPROC ThreadRoutine(LPTHREAD_START_ROUTINE routine) {
    return reinterpret_cast<WNDPROC>(routine);
}

ToolbarItem Button(int command, const wchar_t *text, int stringIndex) {
    ToolbarItem b = {};
    b.Image = I_IMAGENONE;
    b.Command = command;
    b.State = TBSTATE_ENABLED;
    b.Style = BTNS_BUTTON;
    b.Text = TextRef(text);
    b.StringIndex = stringIndex;
    return b;
}

const ToolbarItem Buttons[] = {Button(1, L"Open", 0), Button(2, L"", 1), Button(3, L"S", 2)};
const StatusBarItem Parts[] = {
    {100, 0, TextRef(L"one")}, {50, SBT_POPOUT, TextRef(L"two")}, {-1, 0, TextRef(L"rest")}};
const TabItem Tabs[] = {{TextRef(L"First")}, {TextRef(L"Second")}};
const ImageListItem Images[] = {{1, 100}, {1, 0}, {0, 201}};
const HeaderItem Columns[] = {{1, 80, 1, TextRef(L"Name")}, {0, 60, 2, TextRef(L"Size")}};
RebarItem Band(const wchar_t *childName, const wchar_t *text, int style) {
    RebarItem band = {};
    band.HeaderSize = 10;
    band.BandWidth = 150;
    band.MinChildHeight = 22;
    band.MinChildWidth = 40;
    band.BandStyle = style;
    band.ChildName = childName;
    band.Text = TextRef(text);
    return band;
}
RebarItem BandWithBackground() {
    RebarItem band = Band(nullptr, L"Empty", RBBS_VARIABLEHEIGHT);
    band.Background = 201;
    return band;
}
const RebarItem Bands[] = {Band(L"TXTINBAND", L"", RBBS_CHILDEDGE), BandWithBackground()};

// One control of every kind from 4 to 36 and one more check box, 34 in the
// window; each is known by its kind, and the controls inside containers by
// the numbers 40 and up. The controls are numbered from 0, as the keyboard
// needs them: Slot gives the Index of each.
// Containers hold one control each; the rebar holds two, the first in no
// band.
constexpr int Slot(int key) {
    return key <= KindLink ? key - KindLabel : key - 40 + KindLink - KindLabel + 1;
}

const WindowTemplate *EveryKind(TemplateBuilder &t) {
    t.Add(KindLabel, Slot(KindLabel), L"lblCaption", L"&Caption");
    WindowObject &edit = t.Add(KindTextBox, Slot(KindTextBox), L"txtSecret", L"secret");
    edit.Style |= ES_AUTOHSCROLL;
    edit.MaxLength = 5;
    edit.PasswordChar = '*';
    t.Add(KindGroupBox, Slot(KindGroupBox), L"grpBox", L"Group", 1).Alignment = 1;
    t.Add(KindLabel, Slot(40), L"lblInGroup", L"In the group");
    t.Add(KindPushButton, Slot(KindPushButton), L"btnPush", L"Push");
    t.Add(KindCheckBox, Slot(KindCheckBox), L"chkBox", L"Check").Style |= BS_AUTOCHECKBOX;
    WindowObject &check = t.Add(KindCheckBox, Slot(41), L"chkChecked", L"Checked");
    check.Style |= BS_AUTOCHECKBOX;
    check.Value = 1;
    WindowObject &option = t.Add(KindOptionButton, Slot(KindOptionButton), L"rdoOption", L"Option");
    option.Style |= BS_AUTORADIOBUTTON;
    option.Value = 1;
    t.Add(KindListBox, Slot(KindListBox), L"lstList", L"first").Style |= LBS_NOTIFY;
    t.Add(KindComboBox, Slot(KindComboBox), L"cboCombo", L"item").Style |= CBS_DROPDOWN;
    WindowObject &picture = t.Add(KindPictureBox, Slot(KindPictureBox), L"picBox", L"", 1);
    picture.Alignment = 2;
    picture.PenStyle = PS_DOT;
    t.Add(KindCheckBox, Slot(42), L"chkInPicture", L"In the picture");
    WindowObject &image = t.Add(KindImage, Slot(KindImage), L"imgIcon", L"");
    image.Style |= SS_ICON;
    image.Picture = 100;
    for (ControlKind kind : {KindHScrollBar, KindVScrollBar}) {
        WindowObject &bar = t.Add(kind, Slot(kind), L"scrBar", L"");
        bar.Style |= kind == KindVScrollBar ? SBS_VERT : SBS_HORZ;
        bar.Min = 0;
        bar.Max = 10;
        bar.ScrollPage = 2;
        bar.Value = 3;
    }
    WindowObject &rich = t.Add(KindRichTextBox, Slot(KindRichTextBox), L"rtfRich", L"rich text");
    rich.MaxLength = 100;
    rich.ForeColorSetting = 0x0000FF;
    WindowObject &tree = t.Add(KindTreeView, Slot(KindTreeView), L"tvwTree", L"");
    tree.Indentation = 25;
    tree.ForeColorSetting = NoColour;
    t.Add(KindListView, Slot(KindListView), L"lvwList", L"").ListViewExStyle = LVS_EX_FULLROWSELECT;
    WindowObject &toolbar = t.Add(KindToolbar, Slot(KindToolbar), L"tbrTools", L"");
    toolbar.Items = (void *)Buttons;
    toolbar.ItemCount = 3;
    toolbar.ButtonWidth = 16;
    toolbar.ButtonHeight = 16;
    toolbar.Align = 1;
    toolbar.Picture = 201;
    toolbar.PictureWidth = 16;
    toolbar.Style |= TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE;
    WindowObject &status = t.Add(KindStatusBar, Slot(KindStatusBar), L"sbrStatus", L"simple");
    status.Items = (void *)Parts;
    status.ItemCount = 3;
    status.Align = 2;
    WindowObject &progress = t.Add(KindProgressBar, Slot(KindProgressBar), L"prgBar", L"");
    progress.Min = 5;
    progress.Max = 100;
    progress.Value = 20;
    WindowObject &track = t.Add(KindTrackbar, Slot(KindTrackbar), L"trkBar", L"");
    track.Style |= TBS_ENABLESELRANGE;
    track.Max = 50;
    track.TickFrequency = 5;
    track.SelectionStart = 10;
    track.SelectionEnd = 20;
    track.Value = 15;
    WindowObject &tabs = t.Add(KindTabControl, Slot(KindTabControl), L"tabTabs", L"");
    tabs.Items = (void *)Tabs;
    tabs.ItemCount = 2;
    WindowObject &updown = t.Add(KindUpDown, Slot(KindUpDown), L"updSpin", L"");
    updown.Min = 1;
    updown.Max = 9;
    updown.Value = 4;
    t.Add(KindAnimation, Slot(KindAnimation), L"aniAnimation", L"");
    t.Add(KindIpAddress, Slot(KindIpAddress), L"ipaAddress", L"");
    t.Add(KindExtendedComboBox, Slot(KindExtendedComboBox), L"cbxExtended", L"").Style |=
        CBS_DROPDOWN;
    t.Add(KindMonthCalendar, Slot(KindMonthCalendar), L"calMonth", L"");
    t.Add(KindDateTimePicker, Slot(KindDateTimePicker), L"dtpDate", L"");
    t.Add(KindHotKey, Slot(KindHotKey), L"hkyHotKey", L"");
    t.Add(KindPager, Slot(KindPager), L"pgrPager", L"").PagerButtonSize = 14;
    WindowObject &holder = t.Add(KindImageListHolder, Slot(KindImageListHolder), L"imlImages", L"");
    holder.PictureWidth = 16;
    holder.ItemHeight = 16;
    holder.InitialImages = 3;
    holder.ImageListFlags = ILC_COLOR32;
    holder.BackColorSetting = NoColour;
    holder.Items = (void *)Images;
    WindowObject &header = t.Add(KindHeader, Slot(KindHeader), L"hdrHeader", L"");
    header.Picture = (ImageRef)L"IMLIMAGES";
    header.Items = (void *)Columns;
    header.ItemCount = 2;
    WindowObject &rebar = t.Add(KindRebar, Slot(KindRebar), L"rbrRebar", L"", 2);
    rebar.Style |= RBS_VARHEIGHT | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
    rebar.Items = (void *)Bands;
    rebar.ItemCount = 2;
    t.Add(KindLabel, Slot(44), L"lblNotInABand", L"no band");
    t.Add(KindTextBox, Slot(43), L"txtInBand", L"in a band");
    WindowObject &thread = t.Add(KindThread, Slot(KindThread), L"thrWorker", L"");
    thread.EventProcedure = ThreadRoutine(CountingThread);
    thread.ThreadParameter = (void *)7;
    thread.ThreadPriority = 4;
    t.Add(KindLink, Slot(KindLink), L"lnkLink", L"<a>link</a>");
    return t.Finish();
}

const wchar_t *const ExpectedClasses[] = {
    L"Static",
    L"Edit",
    L"QNGROUP",
    L"Button",
    L"Button",
    L"Button",
    L"ListBox",
    L"ComboBox",
    L"QNPICTURE",
    L"Static",
    L"ScrollBar",
    L"ScrollBar",
    L"RichEdit20A",
    L"SysTreeView32",
    L"SysListView32",
    L"ToolbarWindow32",
    L"msctls_statusbar32",
    L"msctls_progress32",
    L"msctls_trackbar32",
    L"SysTabControl32",
    L"msctls_updown32",
    L"SysAnimate32",
    L"SysIPAddress32",
    L"ComboBoxEx32",
    L"SysMonthCal32",
    L"SysDateTimePick32",
    L"msctls_hotkey32",
    L"SysPager",
    L"Static",
    L"SysHeader32",
    L"ReBarWindow32",
    nullptr,
    L"SysLink",
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

// The every-kind window, created once for the inspection tests.
class EveryKindWindow : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        builder = new TemplateBuilder(34);
        window = (HWND)CreateFromTemplate(EveryKind(*builder), nullptr, 0, nullptr);
    }
    static void TearDownTestSuite() {
        DestroyWindow(window);
        delete builder;
    }
    static HWND Control(int kind) { return (HWND)GetControlHandle(window, ControlId(Slot(kind))); }
    static WindowObject *ObjectOf(int kind) { return ObjectFromHandle(Control(kind)); }

    static TemplateBuilder *builder;
    static HWND window;
};
TemplateBuilder *EveryKindWindow::builder;
HWND EveryKindWindow::window;

TEST_F(EveryKindWindow, EveryControlHasItsClassIdentifierAndObject) {
    ASSERT_NE(window, nullptr);
    for (int kind = KindLabel; kind <= KindLink; ++kind) {
        if (kind == KindThread || kind == KindImageListHolder) continue;
        HWND control = Control(kind);
        ASSERT_NE(control, nullptr) << kind;
        EXPECT_EQ(ClassOf(control), ExpectedClasses[kind - KindLabel]) << kind;
        EXPECT_EQ(GetDlgCtrlID(control), ControlId(Slot(kind))) << kind;
        const WindowObject *object = ObjectFromHandle(control);
        ASSERT_NE(object, nullptr) << kind;
        EXPECT_EQ(object->Id, ControlId(Slot(kind)));
        EXPECT_EQ(object->Handle, control);
        EXPECT_EQ(object->ParentHandle, window);
        EXPECT_TRUE(object->Style & WS_CHILD);
        EXPECT_EQ((WNDPROC)GetWindowLongPtrA(control, GWLP_WNDPROC), RuntimeWindowProc) << kind;
        if (kind != KindGroupBox && kind != KindPictureBox) {
            EXPECT_NE(object->PreviousProcedure, nullptr) << kind;
        }
    }
    for (int inner : {40, 41, 42, 43})
        EXPECT_NE(GetControlHandle(window, ControlId(Slot(inner))), nullptr) << inner;
}

TEST_F(EveryKindWindow, TextAndButtonKindsGetTheirTextsAndStates) {
    EXPECT_EQ(TextOf(Control(KindLabel)), L"&Caption");
    EXPECT_GT(ObjectOf(KindLabel)->CaptionHeight, 0);
    HWND edit = Control(KindTextBox);
    EXPECT_EQ(TextOf(edit), L"secret");
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(TextOf(Control(KindGroupBox)), L"Group");
    EXPECT_EQ(BS_CENTER, GetWindowLongW(Control(KindGroupBox), GWL_STYLE) & BS_CENTER);
    EXPECT_EQ(SendMessageW(Control(KindCheckBox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW((HWND)GetControlHandle(window, ControlId(Slot(41))), BM_GETCHECK, 0, 0),
              BST_CHECKED);
    EXPECT_EQ(SendMessageW(Control(KindOptionButton), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Control(KindListBox), LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(Control(KindComboBox), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(TextOf(Control(KindRichTextBox)), L"rich text");
    EXPECT_EQ(SendMessageW(Control(KindRichTextBox), EM_GETLIMITTEXT, 0, 0), 100);
    EXPECT_EQ(TextOf(Control(KindLink)), L"<a>link</a>");
    const WindowObject *picture = ObjectOf(KindPictureBox);
    EXPECT_EQ(picture->TextFormat, DT_RIGHT);
    ASSERT_NE(picture->Pen, nullptr);
    LOGPEN pen;
    GetObjectW(picture->Pen, sizeof pen, &pen);
    EXPECT_EQ(pen.lopnStyle, (UINT)PS_DOT);
    const WindowObject *image = ObjectOf(KindImage);
    EXPECT_GE(image->Picture, FirstHandleValue);
    EXPECT_EQ(image->PictureType, 1);
}

TEST_F(EveryKindWindow, RangeControlsGetTheirRangesAndPositions) {
    for (int kind : {KindHScrollBar, KindVScrollBar}) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(Control(kind), SB_CTL, &info));
        EXPECT_EQ(info.nMax, 10);
        EXPECT_EQ(info.nPage, 2u);
        EXPECT_EQ(info.nPos, 3);
    }
    HWND progress = Control(KindProgressBar);
    EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, TRUE, 0), 5);
    HWND track = Control(KindTrackbar);
    EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 15);
    EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 50);
    EXPECT_EQ(SendMessageW(track, TBM_GETSELSTART, 0, 0), 10);
    EXPECT_EQ(SendMessageW(track, TBM_GETSELEND, 0, 0), 20);
    HWND updown = Control(KindUpDown);
    EXPECT_EQ(SendMessageW(updown, UDM_GETPOS32, 0, 0), 4);
    int low = 0, high = 0;
    SendMessageW(updown, UDM_GETRANGE32, (WPARAM)&low, (LPARAM)&high);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 9);
}

TEST_F(EveryKindWindow, CommonControlsGetTheirSettingsAndColours) {
    EXPECT_EQ(SendMessageW(Control(KindTreeView), TVM_GETINDENT, 0, 0), 25);
    EXPECT_EQ((COLORREF)SendMessageW(Control(KindTreeView), TVM_GETTEXTCOLOR, 0, 0), 0u)
        << "text colour -1 reads black";
    EXPECT_EQ(ObjectOf(KindRichTextBox)->ForeColor, 0x0000FFu);
    HWND list = Control(KindListView);
    EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
    EXPECT_EQ((COLORREF)SendMessageW(list, LVM_GETBKCOLOR, 0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ObjectOf(KindListView)->BackBrush, nullptr) << "the list view takes no brush";
    EXPECT_EQ((COLORREF)SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(ObjectOf(KindLabel)->BackBrush, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(SendMessageW(Control(KindTabControl), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(Control(KindTabControl), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(Control(KindPager), PGM_GETBUTTONSIZE, 0, 0), 14);
    EXPECT_NE(ObjectOf(KindLabel)->Font, nullptr);
    EXPECT_EQ((HFONT)SendMessageW(Control(KindLabel), WM_GETFONT, 0, 0), ObjectOf(KindLabel)->Font);
}

TEST_F(EveryKindWindow, ToolbarImagesComeFromItsBitmap) {
    HWND toolbar = Control(KindToolbar);
    const HIMAGELIST images = (HIMAGELIST)SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ((ImageRef)images, ObjectOf(KindToolbar)->Picture);
    EXPECT_EQ(ImageList_GetImageCount(images), 3) << "a 48-pixel strip of 16-pixel images";
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 3);
}

TEST_F(EveryKindWindow, StatusBarPartsEndAtTheSumOfTheirWidths) {
    HWND status = Control(KindStatusBar);
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 4, (LPARAM)edges), 3);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], 150);
    EXPECT_EQ(edges[2], -1);
    char text[16] = {};
    const LRESULT second = SendMessageA(status, SB_GETTEXTA, 1, (LPARAM)text);
    EXPECT_STREQ(text, "two");
    EXPECT_EQ(HIWORD(second), SBT_POPOUT);
}

TEST_F(EveryKindWindow, ImageListHolderAndHeaderShareTheList) {
    const HIMAGELIST images =
        (HIMAGELIST)GetControlHandle(window, ControlId(Slot(KindImageListHolder)));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 2) << "an icon and a bitmap; one record is empty";
    EXPECT_EQ(ImageList_GetBkColor(images), CLR_NONE);
    EXPECT_EQ(FindImageList(window, L"imlimages"), images);
    EXPECT_EQ(FindImageList(window, L"imlOther"), nullptr);
    HWND header = Control(KindHeader);
    EXPECT_EQ((HIMAGELIST)SendMessageW(header, HDM_GETIMAGELIST, 0, 0), images);
    EXPECT_EQ(ObjectOf(KindHeader)->Picture, 0u);
    HDITEMW first = {};
    first.mask = HDI_FORMAT | HDI_IMAGE | HDI_WIDTH;
    ASSERT_TRUE(SendMessageW(header, HDM_GETITEMW, 0, (LPARAM)&first));
    EXPECT_EQ(first.cxy, 80);
    EXPECT_EQ(first.iImage, 0);
    EXPECT_EQ(first.fmt, HDF_STRING | HDF_CENTER | HDF_IMAGE);
    HDITEMW second = {};
    second.mask = HDI_FORMAT;
    ASSERT_TRUE(SendMessageW(header, HDM_GETITEMW, 1, (LPARAM)&second));
    EXPECT_EQ(second.fmt, HDF_STRING | HDF_RIGHT);
}

TEST_F(EveryKindWindow, RebarBandsHoldTheirChildrenInOrder) {
    HWND rebar = Control(KindRebar);
    ASSERT_EQ(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0), 2);
    REBARBANDINFOW band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_ID | RBBIM_STYLE | RBBIM_HEADERSIZE;
    ASSERT_TRUE(SendMessageW(rebar, RB_GETBANDINFOW, 0, (LPARAM)&band));
    EXPECT_EQ(band.hwndChild, (HWND)GetControlHandle(window, ControlId(Slot(43))))
        << "found by its name";
    EXPECT_EQ(band.wID, 1u);
    EXPECT_EQ(band.cxHeader, 10u);
    wchar_t text[16] = {};
    band.fMask = RBBIM_ID | RBBIM_STYLE | RBBIM_TEXT;
    band.lpText = text;
    band.cch = 16;
    ASSERT_TRUE(SendMessageW(rebar, RB_GETBANDINFOW, 1, (LPARAM)&band));
    EXPECT_EQ(band.wID, 2u);
    EXPECT_TRUE(band.fStyle & RBBS_VARIABLEHEIGHT) << "set once the band exists";
    EXPECT_STREQ(text, L"Empty");
    band.fMask = RBBIM_BACKGROUND;
    ASSERT_TRUE(SendMessageW(rebar, RB_GETBANDINFOW, 1, (LPARAM)&band));
    EXPECT_EQ(GetObjectType(band.hbmBack), (DWORD)OBJ_BITMAP);
    EXPECT_EQ(((const RebarItem *)ObjectOf(KindRebar)->Items)[1].Background,
              (uintptr_t)band.hbmBack)
        << "the rebar's own records hold the handle";
    EXPECT_EQ(Bands[1].Background, 201u) << "the template keeps the number";
    EXPECT_TRUE(GetWindowLongW(rebar, GWL_STYLE) & RBS_VARHEIGHT);
    EXPECT_FALSE(ObjectOf(KindRebar)->Style & 2);
}

// The common controls that keep colours of their own are told them, and
// take no brush; the progress bar keeps the bar colour it was created with.
TEST_F(EveryKindWindow, ColoursSetLaterReachTheControlsThatKeepTheirOwn) {
    const COLORREF back = RGB(10, 20, 30), fore = RGB(200, 100, 50);
    const struct {
        ControlKind Kind;
        UINT GetBack, GetFore;
    } rows[] = {{KindTreeView, TVM_GETBKCOLOR, TVM_GETTEXTCOLOR},
                {KindListView, LVM_GETTEXTBKCOLOR, LVM_GETTEXTCOLOR},
                {KindProgressBar, PBM_GETBKCOLOR, PBM_GETBARCOLOR},
                {KindPager, PGM_GETBKCOLOR, 0},
                {KindRebar, RB_GETBKCOLOR, RB_GETTEXTCOLOR}};
    for (const auto &row : rows) {
        WindowObject *object = ObjectOf(row.Kind);
        HWND control = Control(row.Kind);
        const int32_t savedBack = object->BackColorSetting, savedFore = object->ForeColorSetting;
        const COLORREF bar = (COLORREF)SendMessageW(control, PBM_GETBARCOLOR, 0, 0);
        ASSERT_EQ(1, ChangeBackColor(object, control, back));
        ASSERT_EQ(1, ChangeForeColor(object, control, fore));
        EXPECT_EQ(back, (COLORREF)SendMessageW(control, row.GetBack, 0, 0)) << row.Kind;
        if (row.Kind == KindProgressBar)
            EXPECT_EQ(bar, (COLORREF)SendMessageW(control, row.GetFore, 0, 0));
        else if (row.GetFore)
            EXPECT_EQ(fore, (COLORREF)SendMessageW(control, row.GetFore, 0, 0)) << row.Kind;
        EXPECT_EQ(nullptr, object->BackBrush) << row.Kind;
        ChangeBackColor(object, control, savedBack);
        ChangeForeColor(object, control, savedFore);
    }
}

TEST_F(EveryKindWindow, InnerWindowsPassThroughTheInnerProcedure) {
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(GetComboBoxInfo(Control(KindComboBox), &combo));
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(combo.hwndItem, GWLP_WNDPROC), InnerChildProc);
    EXPECT_NE(GetWindowLongPtrW(combo.hwndItem, GWLP_USERDATA), 0);
    HWND extended = Control(KindExtendedComboBox);
    HWND inner = (HWND)SendMessageW(extended, CBEM_GETCOMBOCONTROL, 0, 0);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(inner, GWLP_WNDPROC), InnerChildProc);
    HWND innerEdit = (HWND)SendMessageW(extended, CBEM_GETEDITCONTROL, 0, 0);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(innerEdit, GWLP_WNDPROC), InnerChildProc);
    int fields = 0;
    for (HWND field = GetWindow(Control(KindIpAddress), GW_CHILD); field;
         field = GetWindow(field, GW_HWNDNEXT), ++fields)
        EXPECT_EQ((WNDPROC)GetWindowLongPtrA(field, GWLP_WNDPROC), InnerChildProc);
    EXPECT_EQ(fields, 4);
    EXPECT_NE(IpEditProcedure, nullptr);
    SendMessageW(Control(KindIpAddress), IPM_SETADDRESS, 0, MAKEIPADDRESS(10, 0, 0, 1));
    DWORD address = 0;
    SendMessageW(Control(KindIpAddress), IPM_GETADDRESS, 0, (LPARAM)&address);
    EXPECT_EQ(address, MAKEIPADDRESS(10, 0, 0, 1)) << "the fields still work";
}

TEST_F(EveryKindWindow, ThreadEntryStartsItsThread) {
    HANDLE thread = GetControlHandle(window, ControlId(Slot(KindThread)));
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    EXPECT_GE(ThreadParameterSum, 7);
}

TEST(Toolbar, StringsOnlyWhenSomeTextIsMoreThanABlank) {
    const ToolbarItem blanks[] = {Button(1, L"", 0), Button(2, L" ", 0)};
    TemplateBuilder t(1);
    WindowObject &bar = t.Add(KindToolbar, 0, L"tbrBlank", L"");
    bar.Items = (void *)blanks;
    bar.ItemCount = 2;
    HWND window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_NE(window, nullptr);
    HWND toolbar = (HWND)GetControlHandle(window, ControlId(0));
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 2);
    wchar_t text[8];
    EXPECT_EQ(SendMessageW(toolbar, TB_GETSTRINGW, MAKEWPARAM(8, 0), (LPARAM)text), -1);
    DestroyWindow(window);
}

TEST(Toolbar, OneLongTextAddsEveryTextInOrderWithBlanksForEmptyOnes) {
    TemplateBuilder t(1);
    WindowObject &bar = t.Add(KindToolbar, 0, L"tbrTools", L"");
    bar.Items = (void *)Buttons;
    bar.ItemCount = 3;
    const WindowTemplate *tools = t.Finish();
    // Twice from one template: the template's records stay as they were.
    for (int round = 0; round < 2; ++round) {
        HWND window = (HWND)CreateFromTemplate(tools, nullptr, 0, nullptr);
        ASSERT_NE(window, nullptr);
        HWND toolbar = (HWND)GetControlHandle(window, ControlId(0));
        const wchar_t *expected[] = {L"Open", L" ", L"S"};
        for (int i = 0; i < 3; ++i) {
            wchar_t text[16] = {};
            SendMessageW(toolbar, TB_GETSTRINGW, MAKEWPARAM(16, i), (LPARAM)text);
            EXPECT_STREQ(text, expected[i]) << i;
            TBBUTTON button = {};
            SendMessageW(toolbar, TB_GETBUTTON, i, (LPARAM)&button);
            EXPECT_STREQ((const char *)button.dwData,
                         std::string(expected[i], expected[i] + wcslen(expected[i])).c_str())
                << "each button keeps its own copy";
        }
        EXPECT_EQ(Buttons[1].Text, TextRef(L"")) << round;
        DestroyWindow(window);
    }
}

TEST(Creation, WindowWithEveryKindIsDestroyedWithoutLeavingBlocks) {
    const long before = LiveBlocks();
    {
        TemplateBuilder t(34);
        HWND window = (HWND)CreateFromTemplate(EveryKind(t), nullptr, 0, nullptr);
        ASSERT_NE(window, nullptr);
        EXPECT_GT(LiveBlocks(), before);
        DestroyWindow(window);
    }
    EXPECT_EQ(LiveBlocks(), before);
}

TEST(Creation, DialogControlsTakeDialogUnitsAndTheDialogsFont) {
    TemplateBuilder t(1);
    t.Window().Kind = KindDialog;
    t.Window().Id = 200; // the test resources' dialog, with its own font
    t.Window().Style |= WS_THICKFRAME;
    t.Window().ExStyle |= WS_EX_TOOLWINDOW;
    WindowObject &button = t.Add(KindPushButton, 0, L"btnDialog", L"OK");
    button.Left = 10;
    button.Top = 10;
    button.Width = 50;
    button.Height = 14;
    HWND dialog = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND control = GetDlgItem(dialog, ControlId(0));
    ASSERT_NE(control, nullptr);
    const WindowObject *object = ObjectFromHandle(control);
    RECT units = {10, 10, 50, 14};
    MapDialogRect(dialog, &units);
    EXPECT_EQ(object->Left, units.left);
    EXPECT_EQ(object->Top, units.top);
    EXPECT_EQ(object->Width, units.right);
    EXPECT_EQ(object->Height, units.bottom);
    EXPECT_NE(object->Height, 14) << "dialog units are not pixels";
    RECT placed = RectInParent(control);
    EXPECT_EQ(placed.left, units.left);
    EXPECT_EQ(placed.bottom - placed.top, units.bottom);
    EXPECT_EQ(object->Font, ObjectFromHandle(dialog)->Font) << "the dialog's font is shared";
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_THICKFRAME) << "the template's styles";
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "over the resource's";
    DestroyWindow(dialog);
}

// Ends its modal run with 42 once the run has begun.
LRESULT CALLBACK EndsWith42(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == RTM_CREATED) PostMessageW(window, WM_APP, 0, 0);
    if (message == WM_APP) EndModal(window, 42);
    return 0;
}

TEST(Creation, ModalDialogRunsUntilItEndsAndGivesItsResult) {
    TemplateBuilder t(0);
    t.Window().Kind = KindDialog;
    t.Window().Id = 200;
    t.Window().EventProcedure = EndsWith42;
    const uint32_t used = ObjectTableUsed;
    EXPECT_EQ(42, CreateFromTemplate(t.Finish(), nullptr, 1, nullptr));
    EXPECT_EQ(used, ObjectTableUsed) << "the dialog is gone";
}

BOOL MainEnabledDuringRun = TRUE, MainEnabledWhenShown = TRUE;
LRESULT CALLBACK NotesTheMainWindowThenEnds(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_SHOWWINDOW && wParam) MainEnabledWhenShown = IsWindowEnabled(App->MainWindow);
    if (message == RTM_CREATED) PostMessageW(window, WM_APP, 0, 0);
    if (message == WM_APP) {
        MainEnabledDuringRun = IsWindowEnabled(App->MainWindow);
        EndModal(window, 7);
    }
    return 0;
}

// Owned by a control, a modal dialog is owned by the main window, which it
// disables for its run, from before it shows.
TEST(Creation, ModalDialogOwnedByAControlDisablesTheMainWindow) {
    TemplateBuilder host(1);
    host.Add(KindPictureBox, 0, L"picHost", L"");
    HWND main = (HWND)CreateFromTemplate(host.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(main));
    const HWND saved = App->MainWindow;
    App->MainWindow = main;
    TemplateBuilder t(0);
    t.Window().Kind = KindDialog;
    t.Window().Id = 200;
    t.Window().Visible = 1;
    t.Window().EventProcedure = NotesTheMainWindowThenEnds;
    EXPECT_EQ(7, CreateFromTemplate(t.Finish(), GetDlgItem(main, ControlId(0)), 1, nullptr));
    EXPECT_FALSE(MainEnabledWhenShown);
    EXPECT_FALSE(MainEnabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(main)) << "and enables again after it";
    App->MainWindow = saved;
    DestroyWindow(main);
}

int WidthAtCreation = -1;
LRESULT CALLBACK NotesTheWidth(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CREATE) WidthAtCreation = ObjectFromHandle(window)->Width;
    return 0;
}

// A window the system makes wider than its template already reads its own
// width in its WM_CREATE.
TEST(Creation, AWindowWidenedByTheSystemKnowsItsWidthAtItsCreation) {
    TemplateBuilder t(0);
    t.Window().Width = 30;
    t.Window().EventProcedure = NotesTheWidth;
    HWND window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_GT(placed.right - placed.left, 30);
    EXPECT_EQ(placed.right - placed.left, WidthAtCreation);
    DestroyWindow(window);
}

TEST(Creation, AutomaticOptionButtonWithIndexZeroIsClicked) {
    TemplateBuilder t(1);
    t.Add(KindGroupBox, 1, L"grpOptions", L"", 2);
    WindowObject &first = t.Add(KindOptionButton, 0, L"rdoFirst", L"First");
    first.Style |= BS_AUTORADIOBUTTON | WS_GROUP;
    WindowObject &other = t.Add(KindOptionButton, 2, L"rdoOther", L"Other");
    other.Style |= BS_AUTORADIOBUTTON;
    HWND window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_NE(window, nullptr);
    HWND clicked = (HWND)GetControlHandle(window, ControlId(0));
    EXPECT_EQ(SendMessageW(clicked, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ObjectFromHandle(clicked)->Value, 1);
    EXPECT_EQ(SendMessageW((HWND)GetControlHandle(window, ControlId(2)), BM_GETCHECK, 0, 0),
              BST_UNCHECKED);
    DestroyWindow(window);
}

// Puts the thread table back as it was, whatever a test started.
struct ThreadTableGuard {
    int Saved = ThreadCount;
    ~ThreadTableGuard() {
        for (int i = Saved; i < (int)MaxThreads; ++i) {
            if (ThreadTable[i].Thread) {
                ResumeThread(ThreadTable[i].Thread);
                WaitForSingleObject(ThreadTable[i].Thread, 5000);
                CloseHandle(ThreadTable[i].Thread);
            }
            ThreadTable[i] = {};
        }
        ThreadCount = Saved;
    }
};

TEST(Threads, TheFortyNinthThreadIsSkippedAndEachGetsItsSettings) {
    ThreadTableGuard guard;
    const int free = (int)MaxThreads - ThreadCount;
    ASSERT_GE(free, 2);
    TemplateBuilder t(free + 1);
    for (int i = 0; i <= free; ++i) {
        WindowObject &thread = t.Add(KindThread, i, L"thrWorker", L"");
        thread.EventProcedure = ThreadRoutine(CountingThread);
        thread.ThreadParameter = (void *)(intptr_t)(1 << (i % 16));
        thread.ThreadPriority = 3;
    }
    ThreadRuns = 0;
    HWND window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ThreadCount, (int)MaxThreads);
    const ThreadRecord &last = ThreadTable[MaxThreads - 1];
    EXPECT_EQ(last.Window, window);
    EXPECT_EQ(last.Id, ControlId(free - 1));
    EXPECT_EQ(GetThreadPriority(last.Thread), THREAD_PRIORITY_IDLE);
    EXPECT_EQ(GetControlHandle(window, ControlId(free)), nullptr) << "the 49th has no thread";
    for (int i = guard.Saved; i < (int)MaxThreads; ++i)
        WaitForSingleObject(ThreadTable[i].Thread, 5000);
    EXPECT_EQ(ThreadRuns, free);
    DestroyWindow(window);
}

TEST(Threads, SuspendedThreadWaitsAndPriorityFollowsTheCode) {
    ThreadTableGuard guard;
    TemplateBuilder t(2);
    WindowObject &late = t.Add(KindThread, 0, L"thrLate", L"");
    late.EventProcedure = ThreadRoutine(CountingThread);
    late.StartSuspended = 1;
    late.ThreadPriority = 1;
    WindowObject &busy = t.Add(KindThread, 1, L"thrBusy", L"");
    busy.EventProcedure = ThreadRoutine(CountingThread);
    busy.ThreadPriority = 0;
    ThreadRuns = 0;
    HWND window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_NE(window, nullptr);
    HANDLE lateThread = GetControlHandle(window, ControlId(0));
    HANDLE busyThread = GetControlHandle(window, ControlId(1));
    ASSERT_NE(lateThread, nullptr);
    ASSERT_NE(busyThread, nullptr);
    EXPECT_EQ(GetThreadPriority(lateThread), THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(GetThreadPriority(busyThread), THREAD_PRIORITY_HIGHEST);
    EXPECT_EQ(WaitForSingleObject(busyThread, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(lateThread, 100), (DWORD)WAIT_TIMEOUT);
    EXPECT_EQ(ThreadRuns, 1);
    ResumeThread(lateThread);
    EXPECT_EQ(WaitForSingleObject(lateThread, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(ThreadRuns, 2);
    DestroyWindow(window);
}

TEST(ImageLists, FoundWithoutRegardToCaseInsideNestedContainers) {
    TemplateBuilder t(2);
    t.Add(KindGroupBox, 0, L"grpOuter", L"Outer", 1);
    t.Add(KindPictureBox, 1, L"picInner", L"", 1);
    WindowObject &holder = t.Add(KindImageListHolder, 2, L"imlDeep", L"");
    holder.PictureWidth = 16;
    holder.ItemHeight = 16;
    WindowObject &strip = t.Add(KindImageListHolder, 3, L"imlStrip", L"");
    strip.PictureWidth = 16;
    strip.ItemHeight = 16;
    strip.Picture = 201;
    HWND window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    ASSERT_NE(window, nullptr);
    const HIMAGELIST deep = (HIMAGELIST)GetControlHandle(window, ControlId(2));
    const HIMAGELIST cut = (HIMAGELIST)GetControlHandle(window, ControlId(3));
    EXPECT_EQ(ImageList_GetImageCount(cut), 3) << "cut from bitmap resource 201";
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(FindImageList(window, L"IMLDEEP"), deep);
    EXPECT_EQ(FindImageList((HWND)GetControlHandle(window, ControlId(0)), L"imldeep"), deep);
    EXPECT_EQ(FindImageList(window, L"imlDee"), nullptr);
    EXPECT_EQ(FindImageList(nullptr, L"imlDeep"), nullptr);
    DestroyWindow(window);
}

TEST(Creation, EveryKindWindowAHundredTimesLeavesNothing) {
    ThreadTableGuard guard; // every window starts its thread entry
    auto once = [] {
        TemplateBuilder t(34);
        HWND window = (HWND)CreateFromTemplate(EveryKind(t), nullptr, 0, nullptr);
        ASSERT_NE(window, nullptr);
        std::vector<HGDIOBJ> made = RuntimeGdiObjects(window);
        ASSERT_GE(made.size(), 30u);
        DestroyWindow(window);
        EXPECT_EQ(0, LiveGdiObjects(made));
    };
    for (int i = 0; i < 3; ++i)
        once();
    const long blocks = LiveBlocks();
    const uint32_t used = ObjectTableUsed;
    const int pens = FramePenUses;
    const uint8_t lists = HiddenListBoxes[0];
    const size_t heap = HeapBytesInUse();
    for (int i = 0; i < 100; ++i) {
        once();
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(blocks, LiveBlocks());
    EXPECT_EQ(used, ObjectTableUsed);
    EXPECT_EQ(pens, FramePenUses);
    EXPECT_EQ(lists, HiddenListBoxes[0]);
    const long long growth = (long long)HeapBytesInUse() - (long long)heap;
    RecordProperty("HeapGrowth", (int)growth);
    // Wine's static control keeps 12 bytes of every WM_SETFONT it is sent
    // (a plain static outside the runtime does the same): three statics a
    // window. Anything the runtime itself left behind would be far more.
    // A checking heap keeps what is freed for a while: no measure then.
    if (!HeapChecksOn()) {
        EXPECT_LT(growth, 100 * 3 * 12 + 4096) << "heap grew by " << growth << " bytes";
    }
}

} // namespace
