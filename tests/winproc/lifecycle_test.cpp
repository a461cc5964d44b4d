// Closing windows, the main window's end of the message loop, and modal
// windows with their owners.
#include <gtest/gtest.h>

#include "runtime/winproc/modal_run.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

const UINT Probe = WM_APP + 7;

class Lifecycle : public testing::Test {
  protected:
    void SetUp() override { ResetRecorder(); }
    void TearDown() override {
        for (HWND w : {Window, Owner})
            if (IsWindow(w)) DestroyWindow(w);
        ResetRecorder();
        App->MainWindow = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    HWND Create(bool mainWindow, HWND owner = nullptr, int modal = 0) {
        Entries = {WindowEntry(KindWindow, L"Closable", 1),
                   ControlEntry(KindPushButton, L"btnOk", 0, 0, WS_TABSTOP, L"OK")};
        Entries[0].EventProcedure = RecordingEventProcedure;
        Entries[0].IsMainWindow = mainWindow ? 1 : 0;
        FinishTemplate(Entries);
        INT_PTR result = CreateFromTemplate(Entries.data(), owner, modal, nullptr);
        if (!modal) Window = (HWND)result;
        ModalReturn = modal ? result : 0;
        return Window;
    }
    HWND CreateOwner() {
        OwnerEntries = {WindowEntry(KindWindow, L"Owner", 0)};
        FinishTemplate(OwnerEntries);
        Owner = (HWND)CreateFromTemplate(OwnerEntries.data(), nullptr, 0, nullptr);
        return Owner;
    }
    std::vector<WindowObject> Entries, OwnerEntries;
    HWND Window = nullptr, Owner = nullptr;
    INT_PTR ModalReturn = 0;
};

TEST_F(Lifecycle, RefusedCloseKeepsTheWindow) {
    ASSERT_TRUE(Create(false));
    EventAnswer = [](HWND, UINT m, WPARAM, LPARAM) -> LRESULT { return m == WM_CLOSE ? 5 : 0; };
    EXPECT_EQ(1, SendMessageA(Window, WM_CLOSE, 0, 0));
    EXPECT_TRUE(IsWindow(Window));
    EXPECT_TRUE(IsWindowVisible(Window));
}

TEST_F(Lifecycle, AcceptedCloseHidesThenDestroys) {
    ASSERT_TRUE(Create(false));
    bool visibleAtDestroy = true;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == WM_DESTROY) visibleAtDestroy = IsWindowVisible(w) != 0;
        return 0;
    };
    const DWORD start = GetTickCount();
    SendMessageA(Window, WM_CLOSE, 0, 0);
    EXPECT_GE(GetTickCount() - start, 90u) << "the window waits hidden before it goes";
    EXPECT_FALSE(IsWindow(Window));
    EXPECT_FALSE(visibleAtDestroy);
    // Not the main window: no quit message.
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(Lifecycle, ClosingTheMainWindowEndsTheLoopWithZero) {
    ASSERT_TRUE(Create(true));
    EXPECT_EQ(Window, App->MainWindow);
    EXPECT_EQ(GetCurrentThreadId(), App->ThreadId);
    EXPECT_EQ(GetCurrentProcessId(), App->ProcessId);
    PostMessageA(Window, WM_CLOSE, 0, 0);
    MSG msg;
    int taken = 0;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && ++taken < 10000)
        DispatchMessageA(&msg);
    EXPECT_EQ(WM_QUIT, msg.message);
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_FALSE(IsWindow(Window));
}

TEST_F(Lifecycle, MainWindowRefusedAtCreationLeavesNoMainWindow) {
    EventAnswer = [](HWND, UINT m, WPARAM, LPARAM) -> LRESULT { return m == WM_CREATE ? -1 : 0; };
    EXPECT_EQ(nullptr, Create(true));
    EXPECT_EQ(nullptr, App->MainWindow);
}

TEST_F(Lifecycle, ModalWindowDisablesItsOwnerUntilItEnds) {
    ASSERT_TRUE(CreateOwner());
    bool ownerEnabledWhileRunning = true;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == RTM_CREATED) PostMessageA(w, Probe, 0, 0);
        if (m == Probe) {
            ownerEnabledWhileRunning = IsWindowEnabled(Owner) != 0;
            EndModal(w, 77);
        }
        return 0;
    };
    Create(false, Owner, 1);
    EXPECT_EQ(77, ModalReturn);
    EXPECT_FALSE(ownerEnabledWhileRunning);
    EXPECT_TRUE(IsWindowEnabled(Owner));
    EXPECT_EQ(0, TimesHeard(WM_CLOSE));
}

// Ending a modal window destroys the modal window it owns, whose run ends
// with ModalDestroyed inside the outer run; the outer run still returns its own result.
TEST_F(Lifecycle, NestedModalRunsKeepTheirOwnResults) {
    ASSERT_TRUE(CreateOwner());
    std::vector<WindowObject> innerEntries = {WindowEntry(KindWindow, L"Inner", 0)};
    innerEntries[0].EventProcedure = RecordingEventProcedure;
    innerEntries[0].Visible = 0;
    FinishTemplate(innerEntries);
    HWND outer = nullptr;
    INT_PTR innerReturn = 0;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == RTM_CREATED) {
            if (!outer) outer = w;
            PostMessageA(w, Probe, 0, 0);
        }
        if (m == Probe && w == outer)
            innerReturn = CreateFromTemplate(innerEntries.data(), outer, 1, nullptr);
        else if (m == Probe)
            EndModal(outer, 7);
        return 0;
    };
    Create(false, Owner, 1);
    EXPECT_EQ(7, ModalReturn);
    EXPECT_EQ(IDCANCEL, innerReturn);
    EXPECT_TRUE(IsWindowEnabled(Owner));
}

TEST_F(Lifecycle, ClosingAModalWindowEndsItsRun) {
    ASSERT_TRUE(CreateOwner());
    HWND modal = nullptr;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == RTM_CREATED) {
            modal = w;
            PostMessageA(w, WM_CLOSE, 0, 0);
        }
        return 0;
    };
    Create(false, Owner, 1);
    EXPECT_EQ(ModalClosed, ModalReturn) << "closed, not refused";
    EXPECT_FALSE(IsWindow(modal));
    EXPECT_TRUE(IsWindowEnabled(Owner));
}

TEST_F(Lifecycle, ModalWindowGivesItsActiveControlTheFocusBackOnClicks) {
    ASSERT_TRUE(CreateOwner());
    HWND focusAfterClick = nullptr, focusAfterSwitch = nullptr, button = nullptr;
    EventAnswer = [&](HWND w, UINT m, WPARAM step, LPARAM) -> LRESULT {
        if (m == RTM_CREATED) PostMessageA(w, Probe, 0, 0);
        if (m != Probe) return 0;
        if (step == 0) button = GetFocus();
        if (step == 1) focusAfterClick = GetFocus();
        if (step == 2) {
            focusAfterSwitch = GetFocus();
            EndModal(w, 1);
            return 0;
        }
        SetFocus(nullptr); // the focus goes elsewhere, then the window is clicked
        PostMessageA(w, step == 0 ? WM_LBUTTONDOWN : WM_ACTIVATEAPP, step == 0 ? 0 : TRUE, 0);
        PostMessageA(w, Probe, step + 1, 0);
        return 0;
    };
    Create(false, Owner, 1);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(button, focusAfterClick);
    EXPECT_EQ(button, focusAfterSwitch);
}

TEST_F(Lifecycle, ModalWindowRefusedAtCreationReturnsAtOnce) {
    ASSERT_TRUE(CreateOwner());
    ModalResult = IDOK; // an earlier window's result is not this one's
    HWND modal = nullptr;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == RTM_CREATED) {
            modal = w;
            return -1;
        }
        return 0;
    };
    Create(false, Owner, 1);
    // Destroying a window that runs modally ends its run with ModalDestroyed (IDCANCEL).
    EXPECT_EQ(IDCANCEL, ModalReturn);
    EXPECT_FALSE(IsWindow(modal));
    EXPECT_TRUE(IsWindowEnabled(Owner));
}

// A quit message ends the modal run and stays for the loop outside it, as
// when the main window goes while a window without owner runs modally.
TEST_F(Lifecycle, QuitMessageEndsAModalRunAndIsKeptForTheMainLoop) {
    HWND modal = nullptr;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == RTM_CREATED) {
            modal = w;
            PostQuitMessage(9);
        }
        return 0;
    };
    Create(false, nullptr, 1);
    Window = modal;
    EXPECT_TRUE(IsWindow(modal)) << "the run ended without its window";
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(9u, msg.wParam);
}

TEST_F(Lifecycle, ProcessMessagesLeavesTheQuitMessageForTheLoop) {
    ASSERT_TRUE(Create(false));
    PostMessageA(Window, Probe, 0, 0);
    PostQuitMessage(4);
    EXPECT_EQ(0, ProcessMessages());
    EXPECT_EQ(1, TimesHeard(Probe, Window));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(4u, msg.wParam);
}

TEST_F(Lifecycle, EndModalOfAnOrdinaryWindowDoesNothing) {
    ASSERT_TRUE(Create(false));
    EXPECT_EQ(0, EndModal(Window, 3));
    EXPECT_TRUE(IsWindow(Window));
}

TEST_F(Lifecycle, ClickOnTheFrameActivatesTheWindowUnlessMinimised) {
    ASSERT_TRUE(CreateOwner());
    ASSERT_TRUE(Create(false));
    for (bool minimised : {false, true}) {
        ShowWindow(Window, minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
        SetActiveWindow(Owner);
        ASSERT_EQ(Owner, GetActiveWindow());
        SendMessageA(Window, WM_NCLBUTTONDOWN, HTBORDER, 0);
        EXPECT_EQ(minimised ? Owner : Window, GetActiveWindow()) << minimised;
    }
}

// An EventProcedure that takes the caption bar away while its window is
// being created.
LRESULT CALLBACK DropCaption(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CREATE)
        SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~WS_CAPTION);
    return 0;
}

TEST(Creation, StylesChangedAtCreationGetTheirFrame) {
    std::vector<WindowObject> entries = {WindowEntry(KindWindow, L"Captionless", 0)};
    entries[0].EventProcedure = DropCaption;
    FinishTemplate(entries);
    HWND window = (HWND)CreateFromTemplate(entries.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    EXPECT_LT((frame.bottom - frame.top) - client.bottom, GetSystemMetrics(SM_CYCAPTION))
        << "the frame no longer holds a caption bar";
    DestroyWindow(window);
}

// A window of a runtime class that no object was waiting for: the window
// procedure leaves its messages alone, but its WM_NCDESTROY still goes to
// the system, which frees the title it keeps.
TEST(UnknownWindow, NonClientDestroyFreesWhatTheSystemKeeps) {
    ASSERT_EQ(nullptr, PendingObject);
    HWND window = CreateWindowExW(0, L"QN2RUNWINDOWTests", L"Unbound", WS_POPUP, 0, 0, 50, 50,
                                  nullptr, nullptr, App->Instance, nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(nullptr, ObjectFromHandle(window));
    wchar_t title[16] = {};
    ASSERT_EQ(7, InternalGetWindowText(window, title, 16));
    SendMessageW(window, WM_NCDESTROY, 0, 0);
    EXPECT_EQ(0, InternalGetWindowText(window, title, 16));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
