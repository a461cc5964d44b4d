// MDI frames and children created from templates.
#include <gtest/gtest.h>

#include "runtime/templates/create_from_template.h"
#include "runtime/templates/template_list.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"

namespace {

class Mdi : public testing::Test {
  protected:
    void SetUp() override {
        ResetRecorder();
        UsedBefore = ObjectTableUsed;
        BlocksBefore = LiveBlocks();
        Frame = {WindowEntry(KindMdiFrame, L"Frame", 0, 500, 400)};
        Frame[0].Style |= WS_CLIPCHILDREN | WS_VSCROLL;
        Frame[0].ExStyle = WS_EX_CLIENTEDGE;
        Frame[0].EventProcedure = RecordingEventProcedure;
        FinishTemplate(Frame);
        Child = {WindowEntry(KindWindow, L"Child", 1, 200, 150),
                 ControlEntry(KindCheckBox, L"chk", 0, 0, BS_AUTOCHECKBOX, L"Check")};
        Child[0].MdiChild = 1;
        Child[0].Style = WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;
        Child[0].EventProcedure = RecordingEventProcedure;
        FinishTemplate(Child);
        for (uint32_t i = 0; i < MaxTemplates; ++i)
            TemplateList[i] = nullptr;
        TemplateList[0] = Child.data();
    }
    void TearDown() override {
        TemplateList[0] = nullptr;
        ResetRecorder();
    }
    std::vector<WindowObject> Frame, Child;
    uint32_t UsedBefore = 0;
    long BlocksBefore = 0;
};

TEST_F(Mdi, FrameGetsItsClientAndChildrenOpenInside) {
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    WindowObject *frameObject = ObjectFromHandle(frame);
    HWND client = frameObject->MdiClient;
    ASSERT_TRUE(IsWindow(client));
    char name[32] = {};
    GetClassNameA(client, name, sizeof name);
    EXPECT_STREQ("QNMDICLIENT", name);
    EXPECT_EQ(frame, GetParent(client));
    EXPECT_EQ(nullptr, ObjectFromHandle(client)) << "the children's controls are not the frame's";
    // The frame's scroll-bar style and client edge belong to the client.
    EXPECT_EQ(0, GetWindowLongA(frame, GWL_STYLE) & WS_VSCROLL);
    EXPECT_NE(0, GetWindowLongA(client, GWL_STYLE) & WS_VSCROLL);
    EXPECT_NE(0, GetWindowLongA(client, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_NE(nullptr, GetMenu(frame)) << "a frame without a menu gets an empty one";
    RECT frameClient, clientRect;
    GetClientRect(frame, &frameClient);
    GetWindowRect(client, &clientRect);
    EXPECT_EQ(frameClient.right, clientRect.right - clientRect.left);

    // OpenWindow with the frame as owner opens the child in its client.
    HWND child = (HWND)OpenWindowA("child", frame, 0, nullptr);
    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(client, GetParent(child));
    EXPECT_NE(0, GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(child, (HWND)SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    EXPECT_TRUE(IsWindow(GetDlgItem(child, ControlId(0))));
    EXPECT_GE(TimesHeard(WM_MDIACTIVATE, child), 1);

    // A child opened while the active one is maximised is the maximised one.
    SendMessageA(client, WM_MDIMAXIMIZE, (WPARAM)child, 0);
    HWND second = (HWND)OpenWindowA("child", frame, 0, nullptr);
    ASSERT_TRUE(IsWindow(second));
    EXPECT_EQ(WindowMaximised, ObjectFromHandle(second)->WindowState);

    // The frame's EventProcedure hears WM_SIZE; DefFrameProc never sizes the
    // client over docked bars.
    SetWindowPos(frame, nullptr, 0, 0, 600, 450, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GE(TimesHeard(WM_SIZE, frame), 1);

    DestroyWindow(frame);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
    EXPECT_EQ(BlocksBefore, LiveBlocks());
    EXPECT_EQ(0, FramePenUses);
}

int WidthOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r.right - r.left;
}

// A frame moved to a screen of twice the DPI takes its open children along.
TEST_F(Mdi, ChildrenFollowTheFrameToAnotherDpi) {
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    HWND child = (HWND)OpenWindowA("child", frame, 0, nullptr);
    ASSERT_TRUE(IsWindow(child));
    HWND check = GetDlgItem(child, ControlId(0));
    const int childWidth = WidthOf(child), checkWidth = WidthOf(check);
    RECT suggested;
    GetWindowRect(frame, &suggested);
    suggested.right += suggested.right - suggested.left;
    suggested.bottom += suggested.bottom - suggested.top;
    SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(192, 192), (LPARAM)&suggested);
    EXPECT_EQ(2 * childWidth, WidthOf(child));
    EXPECT_EQ(2 * checkWidth, WidthOf(check));
    DestroyWindow(frame);
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
}

TEST_F(Mdi, ChildsMenuShowsWhileItIsOpenAndTheFramesWhenItCloses) {
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    HMENU frameMenu = GetMenu(frame);
    HMENU childMenu = CreateMenu();
    Child[0].Menu = (uintptr_t)childMenu;
    HWND child = (HWND)OpenWindowA("Child", frame, 0, nullptr);
    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(childMenu, GetMenu(frame)) << "the active child's menu is the frame's";
    SendMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(frameMenu, GetMenu(frame));
    EXPECT_TRUE(IsWindow(frame));
    DestroyWindow(frame);
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
}

// The client's drawing is held back while a child is made; a child refused
// at its creation notice, or destroyed there, leaves the client shown again.
TEST_F(Mdi, ChildGoneAtItsCreationNoticeLeavesTheClientShown) {
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    HWND client = ObjectFromHandle(frame)->MdiClient;
    ASSERT_TRUE(IsWindowVisible(client));
    const uint32_t withFrame = ObjectTableUsed;
    const long blocks = LiveBlocks();
    for (bool destroyedThere : {false, true}) {
        bool drawnWhileBuilt = true;
        EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
            if (m == WM_CREATE && w != frame) drawnWhileBuilt = IsWindowVisible(client);
            if (m != RTM_CREATED || w == frame) return 0;
            if (!destroyedThere) return -1;
            DestroyWindow(w);
            return 0;
        };
        EXPECT_EQ(destroyedThere ? 0 : -1, OpenWindowA("Child", frame, 0, nullptr));
        EXPECT_FALSE(drawnWhileBuilt) << "the client does not redraw while a child is built";
        EXPECT_TRUE(IsWindowVisible(client)) << destroyedThere;
        EXPECT_EQ(nullptr, GetWindow(client, GW_CHILD));
        EXPECT_EQ(withFrame, ObjectTableUsed);
        EXPECT_EQ(blocks, LiveBlocks());
    }
    EventAnswer = nullptr;
    DestroyWindow(frame);
}

// The client has no object of its own: the frame hears its clicks and
// keys, and its background is the frame's.
TEST_F(Mdi, TheClientsInputAndBackgroundAreTheFrames) {
    const COLORREF red = RGB(255, 0, 0);
    Frame[0].BackColorSetting = red;
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    HWND client = ObjectFromHandle(frame)->MdiClient;
    ResetRecorder();
    SendMessageA(client, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageA(client, WM_CHAR, 'q', 0);
    const HeardMessage *click = FirstHeard(WM_LBUTTONDOWN);
    ASSERT_NE(nullptr, click);
    EXPECT_EQ(frame, click->Window);
    EXPECT_EQ(MAKELPARAM(5, 6), click->LParam);
    EXPECT_EQ(1, TimesHeard(WM_CHAR, frame));

    Canvas canvas(8, 8);
    EXPECT_EQ(1, SendMessageA(client, WM_ERASEBKGND, (WPARAM)canvas.Dc(), 0));
    EXPECT_EQ(red, canvas.Pixel(3, 3));
    EXPECT_EQ(1, TimesHeard(WM_ERASEBKGND, frame));
    DestroyWindow(frame);
}

TEST_F(Mdi, TheClientsCommandsReachTheFramesEventProcedure) {
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    HWND client = ObjectFromHandle(frame)->MdiClient;
    ResetRecorder();
    SendMessageA(frame, WM_COMMAND, MAKEWPARAM(0, 0), (LPARAM)client);
    EXPECT_EQ(1, TimesHeard(WM_COMMAND, frame));
    DestroyWindow(frame);
}

// Without children, the client hands the focus to the frame's own control.
TEST_F(Mdi, ClientWithoutChildrenPassesTheFocusToTheFramesControl) {
    Frame = {WindowEntry(KindMdiFrame, L"Frame", 1, 500, 400),
             ControlEntry(KindPushButton, L"btnGo", 0, 0, 0, L"Go")};
    Frame[1].TabStop = 1;
    FinishTemplate(Frame);
    HWND frame = (HWND)CreateFromTemplate(Frame.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(frame));
    HWND button = GetDlgItem(frame, ControlId(0));
    ASSERT_TRUE(button);
    SetFocus(frame);
    SetFocus(ObjectFromHandle(frame)->MdiClient);
    EXPECT_EQ(button, GetFocus());
    DestroyWindow(frame);
}

} // namespace
