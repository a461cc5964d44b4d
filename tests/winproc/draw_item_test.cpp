// WM_DRAWITEM: the parent's event procedure first, then the runtime draws
// its own labels, images and push buttons and leaves other owner-drawn
// controls to the default; STM_SETIMAGE hands back the replaced image.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/templates/create_from_template.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"

namespace {

const COLORREF Blue = RGB(0, 0, 255), Yellow = RGB(255, 255, 0), White = RGB(255, 255, 255);

// A window whose event procedure records, with a group holding a blue
// label, an owner-drawn yellow push button and a check box.
struct DrawingWindow {
    TemplateBuilder Builder{3};
    HWND Handle = nullptr;
    DrawingWindow() {
        ResetRecorder();
        Builder.Window().EventProcedure = RecordingEventProcedure;
        Builder.Add(KindGroupBox, 0, L"grpBox", L"Box", 1);
        WindowObject &label = Builder.Add(KindLabel, 1, L"lblBlue", L"");
        label.Style |= SS_OWNERDRAW;
        label.BackColorSetting = Blue;
        WindowObject &button = Builder.Add(KindPushButton, 2, L"btnYellow", L"Go");
        button.Style |= BS_OWNERDRAW;
        button.OwnerDrawn = 1;
        button.BackColorSetting = Yellow;
        Builder.Add(KindCheckBox, 3, L"chkOn", L"On");
        Handle = (HWND)CreateFromTemplate(Builder.Finish(), nullptr, 0, nullptr);
    }
    ~DrawingWindow() {
        DestroyWindow(Handle);
        ResetRecorder();
    }
    HWND Control(int index) const { return FindDescendantOf(Handle, ControlId(index)); }
    static HWND FindDescendantOf(HWND window, int id) {
        for (HWND child = GetWindow(window, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(child) == id) return child;
            if (HWND inner = FindDescendantOf(child, id)) return inner;
        }
        return nullptr;
    }
};

DRAWITEMSTRUCT ItemOf(HWND control, UINT type, const Canvas &canvas) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = type;
    item.CtlID = (UINT)GetDlgCtrlID(control);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = control;
    item.hDC = canvas.Dc();
    item.rcItem = {0, 0, 40, 20};
    return item;
}

LRESULT SendDrawItem(HWND to, DRAWITEMSTRUCT &item) {
    return SendMessageW(to, WM_DRAWITEM, item.CtlID, (LPARAM)&item);
}

TEST(DrawItem, TheWindowsEventProcedureFirstThenTheRuntimeDraws) {
    DrawingWindow window;
    ASSERT_TRUE(window.Control(3));
    Canvas canvas(40, 20);
    DRAWITEMSTRUCT label = ItemOf(window.Control(1), ODT_STATIC, canvas);
    EXPECT_EQ(1, SendDrawItem(window.Control(0), label));
    const HeardMessage *heard = FirstHeard(WM_DRAWITEM);
    ASSERT_NE(nullptr, heard) << "a group asks the window it belongs to";
    EXPECT_EQ(window.Handle, heard->Window);
    EXPECT_EQ(40 * 20, canvas.Count(Blue));

    EventAnswer = [](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
        return message == WM_DRAWITEM ? 7 : 0;
    };
    Canvas taken(40, 20);
    DRAWITEMSTRUCT button = ItemOf(window.Control(2), ODT_BUTTON, taken);
    EXPECT_EQ(7, SendDrawItem(window.Handle, button));
    EXPECT_EQ(40 * 20, taken.Count(White)) << "the event procedure drew instead";
    EventAnswer = nullptr;
    EXPECT_EQ(1, SendDrawItem(window.Handle, button));
    EXPECT_GT(taken.Count(Yellow), 40 * 20 / 2);
}

TEST(DrawItem, OtherOwnerDrawnControlsGoToTheDefault) {
    DrawingWindow window;
    HWND foreign = CreateWindowExW(0, L"BUTTON", L"Foreign", WS_CHILD | BS_OWNERDRAW, 0, 0, 40, 20,
                                   window.Handle, (HMENU)77, nullptr, nullptr);
    ASSERT_TRUE(foreign);
    Canvas canvas(40, 20);
    DRAWITEMSTRUCT item = ItemOf(foreign, ODT_BUTTON, canvas);
    EXPECT_EQ(0, SendDrawItem(window.Handle, item));
    item = ItemOf(window.Control(3), ODT_BUTTON, canvas);
    EXPECT_EQ(0, SendDrawItem(window.Handle, item)) << "only push buttons are the runtime's";
    EXPECT_EQ(40 * 20, canvas.Count(White));
}

TEST(ImageControl, SetImageHandsTheReplacedImageToTheCaller) {
    TemplateBuilder builder(1);
    WindowObject &entry = builder.Add(KindImage, 0, L"imgStrip", L"");
    entry.Style |= SS_OWNERDRAW;
    entry.Picture = 201;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    HWND image = GetDlgItem(window, ControlId(0));
    WindowObject *object = ObjectFromHandle(image);
    ASSERT_NE(nullptr, object);
    HGDIOBJ first = (HGDIOBJ)object->Picture;
    ASSERT_EQ(OBJ_BITMAP, (int)GetObjectType(first));
    HBITMAP second = CreateBitmap(8, 8, 1, 32, nullptr);
    EXPECT_EQ((LRESULT)first, SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)second));
    EXPECT_EQ(OBJ_BITMAP, (int)GetObjectType(first)) << "still there for the caller";
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_EQ((ImageRef)second, object->Picture);
    EXPECT_EQ(8, object->PictureWidth);
    // A resource number that never loaded is nothing the caller could own.
    EXPECT_EQ((LRESULT)second, SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, 40000));
    EXPECT_TRUE(DeleteObject(second));
    EXPECT_EQ(0, SendMessageW(image, STM_SETICON, 0, 0));
    DestroyWindow(window);
}

// A rebar with one band holding a transparent blue label, shown.
TEST(Rebar, TransparentLabelsPaintAgainOverItsBands) {
    static const RebarItem band[] = {{0, 300, 30, 200, 0, 0, nullptr, 0, L"lblOver", TextRef(L"")}};
    TemplateBuilder builder(1);
    WindowObject &rebar = builder.Add(KindRebar, 0, L"rbrBar", L"", 1);
    rebar.Style |= RBS_VARHEIGHT | CCS_NODIVIDER;
    rebar.Align = DockTop;
    rebar.BackColorSetting = Yellow;
    rebar.Items = const_cast<RebarItem *>(band);
    rebar.ItemCount = 1;
    WindowObject &label = builder.Add(KindLabel, 1, L"lblOver", L"Over the band");
    label.Style |= SS_OWNERDRAW;
    label.Transparent = 1;
    label.BackColorSetting = NoColour;
    label.ForeColorSetting = Blue;
    label.FontSize = 14;
    label.Width = 150;
    label.Height = 30;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    HWND bar = GetDlgItem(window, ControlId(0)), over = GetDlgItem(bar, ControlId(1));
    ASSERT_TRUE(over);
    // The rebar alone is painted again: the label must follow by itself.
    RedrawWindow(bar, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW);
    UpdateWindow(over);
    Canvas canvas(150, 20);
    canvas.CopyFrom(over);
    EXPECT_GT(canvas.Count(Blue), 20) << "the label's text over the band";
    // Moved, the rebar paints at once.
    SetWindowPos(bar, nullptr, 0, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(GetUpdateRect(bar, nullptr, FALSE));
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);
}

// A shown picture box draws its caption in its text colour when it paints.
TEST(PictureBox, PaintsItsCaptionInItsTextColour) {
    TemplateBuilder builder(1);
    WindowObject &picture = builder.Add(KindPictureBox, 0, L"picText", L"In the picture");
    picture.BackColorSetting = Yellow;
    picture.ForeColorSetting = Blue;
    picture.FontSize = 14;
    picture.Width = 150;
    picture.Height = 30;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    HWND box = GetDlgItem(window, ControlId(0));
    ASSERT_TRUE(box);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Canvas canvas(150, 20);
    canvas.CopyFrom(box);
    EXPECT_GT(canvas.Count(Blue), 20) << "the caption";
    EXPECT_GT(canvas.Count(Yellow), 1000) << "on the box's colour";
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);
}

} // namespace
