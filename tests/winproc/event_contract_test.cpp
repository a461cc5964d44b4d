// The event contract: 0 leaves a message to the kind's default processing,
// anything else is the answer; creation refused at WM_CREATE; dialogs hear
// WM_INITDIALOG; private messages.
#include <gtest/gtest.h>

#include "runtime/winproc/command_routing.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"

namespace {

class EventContract : public testing::Test {
  protected:
    void SetUp() override {
        ResetRecorder();
        UsedBefore = ObjectTableUsed;
        BlocksBefore = LiveBlocks();
    }
    void TearDown() override {
        if (IsWindow(Window)) DestroyWindow(Window);
        ResetRecorder();
    }
    // A window with a push button, a check box and a text box, each with
    // the recording EventProcedure.
    HWND CreateWindowWithControls() {
        Entries = {
            WindowEntry(KindWindow, L"Contract", 3),
            ControlEntry(KindPushButton, L"btnGo", 0, 0, WS_TABSTOP, L"Go"),
            ControlEntry(KindCheckBox, L"chkOn", 1, 0, BS_AUTOCHECKBOX, L"On"),
            ControlEntry(KindTextBox, L"txtName", 2, 0, WS_BORDER, L"abc"),
        };
        for (WindowObject &e : Entries)
            e.EventProcedure = RecordingEventProcedure;
        FinishTemplate(Entries);
        Window = (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr);
        return Window;
    }
    HWND Control(int index) { return GetDlgItem(Window, ControlId(index)); }
    std::vector<WindowObject> Entries;
    HWND Window = nullptr;
    uint32_t UsedBefore = 0;
    long BlocksBefore = 0;
};

TEST_F(EventContract, AnswerZeroGivesTheClassBehaviour) {
    ASSERT_TRUE(CreateWindowWithControls());
    HWND button = Control(0), check = Control(1), text = Control(2);
    // A plain button and edit of the same classes answer the same.
    HWND plainButton = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 50, 20,
                                       Window, nullptr, nullptr, nullptr);
    HWND plainEdit = CreateWindowExA(0, "EDIT", "abc", WS_CHILD, 0, 0, 50, 20, Window, nullptr,
                                     nullptr, nullptr);
    EXPECT_EQ(SendMessageA(plainButton, WM_GETDLGCODE, 0, 0),
              SendMessageA(check, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(SendMessageA(plainEdit, WM_GETDLGCODE, 0, 0),
              SendMessageA(text, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(3, SendMessageA(text, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    char caption[16] = {};
    GetWindowTextA(button, caption, sizeof caption);
    EXPECT_STREQ("Go", caption);
    // The window's own default processing is DefWindowProc's.
    EXPECT_EQ(DefWindowProcA(Window, WM_GETTEXTLENGTH, 0, 0),
              SendMessageA(Window, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_GT(TimesHeard(WM_GETTEXTLENGTH, text), 0) << "the EventProcedure heard it first";
    DestroyWindow(plainButton);
    DestroyWindow(plainEdit);
}

TEST_F(EventContract, NonZeroAnswerIsReturnedAndTheDefaultSkipped) {
    ASSERT_TRUE(CreateWindowWithControls());
    HWND text = Control(2);
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (w == text && m == WM_GETTEXTLENGTH) return 42;
        if (w == text && m == WM_CHAR) return 1; // swallow typing
        return 0;
    };
    EXPECT_EQ(42, SendMessageA(text, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(text, WM_CHAR, 'x', 0);
    EventAnswer = nullptr;
    char content[16] = {};
    GetWindowTextA(text, content, sizeof content);
    EXPECT_STREQ("abc", content) << "the edit control never saw the character";
}

TEST_F(EventContract, WmCreateAnsweredMinusOneFailsCreation) {
    std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Refused", 1),
                                   ControlEntry(KindGroupBox, L"grp", 0)};
    t[0].EventProcedure = RecordingEventProcedure;
    FinishTemplate(t);
    EventAnswer = [](HWND, UINT m, WPARAM, LPARAM) -> LRESULT { return m == WM_CREATE ? -1 : 0; };
    const int pens = FramePenUses;
    EXPECT_EQ(0, CreateFromTemplate(t.data(), nullptr, 0, nullptr));
    EXPECT_EQ(1, TimesHeard(WM_CREATE));
    EXPECT_EQ(0, TimesHeard(RTM_CREATED));
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
    EXPECT_EQ(pens, FramePenUses);
    EXPECT_EQ(BlocksBefore, LiveBlocks());
}

// A child that another thread put into the refused window cannot be
// destroyed by this thread; creation still fails and returns.
TEST_F(EventContract, RefusedWindowWithAChildOfAnotherThreadReturns) {
    struct Stranger {
        HWND Parent, Child;
        HANDLE Made, Stop;
        static DWORD WINAPI Run(void *data) {
            Stranger *s = (Stranger *)data;
            s->Child = CreateWindowExA(WS_EX_NOPARENTNOTIFY, "STATIC", "stranger", WS_CHILD, 0, 0,
                                       10, 10, s->Parent, nullptr, nullptr, nullptr);
            SetEvent(s->Made);
            while (MsgWaitForMultipleObjects(1, &s->Stop, FALSE, INFINITE, QS_ALLINPUT) !=
                   WAIT_OBJECT_0) {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageA(&msg);
            }
            return 0;
        }
    } stranger = {nullptr, nullptr, CreateEventA(nullptr, TRUE, FALSE, nullptr),
                  CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    HANDLE thread = nullptr;
    std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Refused", 1),
                                   ControlEntry(KindPushButton, L"btn", 0)};
    t[0].EventProcedure = RecordingEventProcedure;
    FinishTemplate(t);
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m != WM_CREATE) return 0;
        stranger.Parent = w;
        thread = CreateThread(nullptr, 0, Stranger::Run, &stranger, 0, nullptr);
        WaitForSingleObject(stranger.Made, 5000);
        return -1;
    };
    EXPECT_EQ(0, CreateFromTemplate(t.data(), nullptr, 0, nullptr));
    EXPECT_NE(nullptr, stranger.Child);
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
    SetEvent(stranger.Stop);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(stranger.Made);
    CloseHandle(stranger.Stop);
}

TEST_F(EventContract, RtmCreatedAnsweredMinusOneDestroysTheWindow) {
    std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Refused", 0)};
    t[0].EventProcedure = RecordingEventProcedure;
    FinishTemplate(t);
    EventAnswer = [](HWND, UINT m, WPARAM, LPARAM) -> LRESULT { return m == RTM_CREATED ? -1 : 0; };
    // A hidden owner stays hidden: only an MDI client has its drawing held
    // back and given back around its child's creation.
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(-1, CreateFromTemplate(t.data(), owner, 0, nullptr));
    EXPECT_FALSE(IsWindowVisible(owner));
    DestroyWindow(owner);
    const HeardMessage *created = FirstHeard(RTM_CREATED);
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(0u, created->WParam);
    EXPECT_EQ(0, created->LParam);
    EXPECT_FALSE(IsWindow(created->Window));
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
    EXPECT_EQ(BlocksBefore, LiveBlocks());
}

TEST_F(EventContract, DialogHearsInitDialogWithItsParameterAndNeverWmCreate) {
    std::vector<WindowObject> t = {
        WindowEntry(KindDialog, L"Dialog", 1),
        ControlEntry(KindPushButton, L"btnClose", 0, 0, WS_TABSTOP, L"Close")};
    t[0].Id = 200; // the dialog resource
    t[0].EventProcedure = RecordingEventProcedure;
    FinishTemplate(t);
    const WNDPROC parameter = (WNDPROC)(uintptr_t)0x1234;
    Window = (HWND)CreateFromTemplate(t.data(), nullptr, 0, parameter);
    ASSERT_TRUE(IsWindow(Window));
    const HeardMessage *init = FirstHeard(WM_INITDIALOG);
    ASSERT_NE(nullptr, init);
    EXPECT_EQ(Window, init->Window);
    EXPECT_EQ(0x1234, init->LParam);
    EXPECT_EQ(0, TimesHeard(WM_CREATE, Window));
    EXPECT_EQ(nullptr, ObjectFromHandle(Window)->PreviousProcedure);
    // Its controls are placed in dialog units of its font.
    HWND button = GetDlgItem(Window, ControlId(0));
    ASSERT_NE(nullptr, button);
    RECT mapped = {0, 0, 100, 18};
    MapDialogRect(Window, &mapped);
    RECT actual;
    GetWindowRect(button, &actual);
    EXPECT_EQ(mapped.right, actual.right - actual.left);
    EXPECT_EQ(mapped.bottom, actual.bottom - actual.top);
}

TEST_F(EventContract, GetObjectAnswersForRuntimeWindowsOnly) {
    ASSERT_TRUE(CreateWindowWithControls());
    HWND check = Control(1);
    EXPECT_EQ((LRESULT)ObjectFromHandle(Window), SendMessageA(Window, RTM_GETOBJECT, 0, 0));
    EXPECT_EQ((LRESULT)ObjectFromHandle(check), SendMessageA(check, RTM_GETOBJECT, 0, 0));
    EXPECT_NE(0, SendMessageA(check, RTM_GETOBJECT, 0, 0));
    HWND foreign = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    EXPECT_EQ(0, SendMessageA(foreign, RTM_GETOBJECT, 0, 0));
    DestroyWindow(foreign);
    EXPECT_EQ(HasManifest, SendMessageA(check, RTM_HASMANIFEST, 0, 0));
    EXPECT_EQ(-1, DefaultProcedure(foreign, WM_NULL, 0, 0));
}

TEST_F(EventContract, SizeMinimisedRecordsNothing) {
    ASSERT_TRUE(CreateWindowWithControls());
    WindowObject *object = ObjectFromHandle(Window);
    const int width = object->Width;
    SendMessageA(Window, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(10, 10));
    EXPECT_EQ(width, object->Width);
    SetWindowPos(Window, nullptr, 0, 0, width + 40, 220, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(width + 40, object->Width);
    EXPECT_EQ(220, object->Height);
}

TEST_F(EventContract, NestedEditChangesAreNotDelivered) {
    ASSERT_TRUE(CreateWindowWithControls());
    HWND text = Control(2);
    int changes = 0;
    EventAnswer = [&](HWND w, UINT m, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (w == Window && m == WM_COMMAND && (HWND)lParam == text && HIWORD(wParam) == EN_CHANGE) {
            ++changes;
            // Setting the text again raises EN_CHANGE inside this one.
            SetWindowTextA(text, "replaced");
        }
        return 0;
    };
    SetWindowTextA(text, "typed");
    EXPECT_EQ(1, changes);
    char content[32] = {};
    GetWindowTextA(text, content, sizeof content);
    EXPECT_STREQ("replaced", content);
    EXPECT_STREQ("replaced", (const char *)ObjectFromHandle(text)->TextBuffer);
    EXPECT_EQ(0, EditNotifyBusy);
    // The inner notification is answered 1 without calling anything.
    EditNotifyBusy = 1;
    EXPECT_EQ(1,
              SendMessageA(Window, WM_COMMAND, MAKEWPARAM(ControlId(2), EN_CHANGE), (LPARAM)text));
    EditNotifyBusy = 0;
    EXPECT_EQ(1, changes);
}

TEST_F(EventContract, CaptionsAreCachedInTheObject) {
    ASSERT_TRUE(CreateWindowWithControls());
    HWND button = Control(0);
    WindowObject *object = ObjectFromHandle(button);
    SetWindowTextA(button, "A longer caption");
    EXPECT_STREQ("A longer caption", (const char *)object->TextBuffer);
    EXPECT_EQ(16, object->TextLength);
    const long blocks = LiveBlocks();
    SetWindowTextA(button, "Short");
    EXPECT_STREQ("Short", (const char *)object->TextBuffer);
    EXPECT_EQ(blocks, LiveBlocks()) << "the longer caption's copy is freed";
    SetWindowTextA(button, "");
    EXPECT_STREQ("", (const char *)object->TextBuffer);
    EXPECT_EQ(0, object->TextLength);
}

TEST_F(EventContract, DestroyingTheWindowReleasesEveryObject) {
    ASSERT_TRUE(CreateWindowWithControls());
    EXPECT_EQ(UsedBefore + 4 * 8, ObjectTableUsed);
    DestroyWindow(Window);
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
    EXPECT_EQ(BlocksBefore, LiveBlocks());
    EXPECT_EQ(0, FramePenUses);
    EXPECT_EQ(1, TimesHeard(WM_DESTROY, Window));
    EXPECT_EQ(1, TimesHeard(WM_NCDESTROY, Window));
}

// A pager, no container but holding the control it scrolls, hears WM_DESTROY
// before its child does; the child's object must still be there. (A
// template gives children to no other kind of control.)
TEST_F(EventContract, ControlsHoldingChildrenReleaseThemAfterTheChildWindowsGo) {
    TemplateBuilder t(4);
    int index = 0;
    for (int pager = 0; pager < 4; ++pager) {
        t.Add(KindPager, index++, L"holder", L"Holder", 1);
        t.Add(KindTextBox, index++, L"txtHeld", L"held").EventProcedure = RecordingEventProcedure;
    }
    const WindowTemplate *entries = t.Finish();
    ASSERT_NE(nullptr, entries);
    for (int round = 0; round < 100; ++round) {
        ResetRecorder();
        HWND window = (HWND)CreateFromTemplate(entries, nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(window)) << "round " << round;
        HWND held = GetDlgItem(GetDlgItem(window, ControlId(0)), ControlId(1));
        ASSERT_TRUE(IsWindow(held));
        EXPECT_EQ(UsedBefore + 9 * 8, ObjectTableUsed);
        DestroyWindow(window);
        ASSERT_EQ(UsedBefore, ObjectTableUsed) << "round " << round;
        ASSERT_EQ(BlocksBefore, LiveBlocks()) << "round " << round;
        EXPECT_EQ(1, TimesHeard(WM_DESTROY, held));
        EXPECT_EQ(4, TimesHeard(WM_DESTROY));
    }
}

} // namespace

namespace {

TEST(DialogFont, ControlsShareTheDialogsFontUntilTheDialogGoes) {
    std::vector<WindowObject> t = {WindowEntry(KindDialog, L"Dialog", 2),
                                   ControlEntry(KindPushButton, L"btnA", 0, 0, 0, L"A"),
                                   ControlEntry(KindPushButton, L"btnB", 1, 0, 0, L"B")};
    t[0].Id = 200;
    FinishTemplate(t);
    HWND dialog = (HWND)CreateFromTemplate(t.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(dialog));
    HFONT font = ObjectFromHandle(dialog)->Font;
    ASSERT_NE(nullptr, font);
    HWND a = GetDlgItem(dialog, ControlId(0)), b = GetDlgItem(dialog, ControlId(1));
    EXPECT_EQ(font, ObjectFromHandle(a)->Font);
    EXPECT_EQ(font, ObjectFromHandle(b)->Font);
    DestroyWindow(a);
    LOGFONTA described;
    EXPECT_NE(0, GetObjectA(font, sizeof described, &described)) << "the dialog's font lives on";
    EXPECT_EQ((LRESULT)font, SendMessageA(b, WM_GETFONT, 0, 0));
    DestroyWindow(dialog);
    EXPECT_EQ(0, GetObjectA(font, sizeof described, &described)) << "and goes with the dialog";
}

TEST(LabelCaption, IsMeasuredAgainWhenItChanges) {
    std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Labels", 1),
                                   ControlEntry(KindLabel, L"lbl", 0, 0, 0, L"")};
    FinishTemplate(t);
    HWND window = (HWND)CreateFromTemplate(t.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    HWND label = GetDlgItem(window, ControlId(0));
    WindowObject *object = ObjectFromHandle(label);
    EXPECT_EQ(0, object->CaptionHeight);
    SetWindowTextA(label, "Measured");
    EXPECT_GT(object->CaptionHeight, 0);
    DestroyWindow(window);
}

} // namespace
