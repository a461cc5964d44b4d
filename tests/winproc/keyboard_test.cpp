// The keyboard interface of runtime windows: Tab, Enter, Esc, mnemonics and
// the default button.
#include <gtest/gtest.h>

#include "runtime/winproc/focus.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

class Keyboard : public testing::Test {
  protected:
    void SetUp() override {
        ResetRecorder();
        Entries = {WindowEntry(KindWindow, L"Keys", 4),
                   ControlEntry(KindPushButton, L"btnGo", 0, 0, 0, L"&Go"),
                   ControlEntry(KindCheckBox, L"chkOn", 1, 0, BS_AUTOCHECKBOX, L"&Check"),
                   ControlEntry(KindTextBox, L"txtName", 2, 0, WS_BORDER, L"abc"),
                   ControlEntry(KindPushButton, L"btnCancel", 3, 0, 0, L"Cancel")};
        for (int i = 1; i <= 4; ++i)
            Entries[i].TabStop = 1;
        Entries[4].Cancel = 1;
        Entries[0].EventProcedure = RecordingEventProcedure;
        FinishTemplate(Entries);
        Window = (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(Window));
    }
    void TearDown() override {
        DestroyWindow(Window);
        ResetRecorder();
    }
    HWND Control(int index) { return GetDlgItem(Window, ControlId(index)); }
    void Key(HWND to, WPARAM key) { SendMessageA(to, WM_KEYDOWN, key, 0); }
    const HeardMessage *Click(int index) {
        for (const HeardMessage &m : Heard)
            if (m.Message == WM_COMMAND && m.WParam == MAKEWPARAM(ControlId(index), BN_CLICKED))
                return &m;
        return nullptr;
    }
    std::vector<WindowObject> Entries;
    HWND Window = nullptr;
};

TEST_F(Keyboard, FocusStartsOnTheFirstTabStopAndTabMovesOn) {
    EXPECT_EQ(Control(0), GetFocus());
    Key(Control(0), VK_TAB);
    EXPECT_EQ(Control(1), GetFocus());
    EXPECT_EQ(Control(1), ObjectFromHandle(Window)->ActiveControl);
    Key(Control(1), VK_DOWN); // arrows move between buttons
    EXPECT_EQ(Control(2), GetFocus());
    Key(Control(2), VK_TAB);
    EXPECT_EQ(Control(3), GetFocus());
    Key(Control(3), VK_TAB); // the last wraps to the first
    EXPECT_EQ(Control(0), GetFocus());
    // A disabled control is passed over.
    EnableWindow(Control(1), FALSE);
    Key(Control(0), VK_TAB);
    EXPECT_EQ(Control(2), GetFocus());
}

TEST_F(Keyboard, FocusedPushButtonShowsTheDefaultLook) {
    EXPECT_NE(0, GetWindowLongA(Control(0), GWL_STYLE) & BS_DEFPUSHBUTTON);
    SetFocus(Control(2));
    EXPECT_EQ(0, GetWindowLongA(Control(0), GWL_STYLE) & BS_DEFPUSHBUTTON);
    SetFocus(Control(3));
    EXPECT_NE(0, GetWindowLongA(Control(3), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonAndEscTheCancelButton) {
    SetFocus(Control(0));
    Key(Control(0), VK_RETURN);
    const HeardMessage *click = Click(0);
    ASSERT_NE(nullptr, click);
    EXPECT_EQ((LPARAM)Control(0), click->LParam);
    Key(Control(2), VK_ESCAPE);
    EXPECT_NE(nullptr, Click(3));
    // The carriage return and tab characters are not typed into a text box.
    SendMessageA(Control(2), WM_CHAR, '\r', 0);
    SendMessageA(Control(2), WM_CHAR, '\t', 0);
    char text[16] = {};
    GetWindowTextA(Control(2), text, sizeof text);
    EXPECT_STREQ("abc", text);
}

TEST_F(Keyboard, DefaultButtonAnswersDmGetDefIdAndEnter) {
    EXPECT_EQ(1, SendMessageA(Window, DM_SETDEFID, ControlId(3), 0));
    EXPECT_EQ(MAKELONG(ControlId(3), DC_HASDEFID), SendMessageA(Window, DM_GETDEFID, 0, 0));
    SetFocus(Control(2));
    Key(Control(2), VK_RETURN);
    EXPECT_NE(nullptr, Click(3)) << "Enter in a text box presses the default button";
    ResetRecorder();
    EnableWindow(Control(3), FALSE);
    Key(Control(2), VK_RETURN);
    Key(Control(2), VK_ESCAPE);
    EXPECT_EQ(nullptr, Click(3)) << "no key presses a disabled button";
    EXPECT_EQ(1, SendMessageA(Window, DM_SETDEFID, 0, 0));
    EXPECT_EQ(0, SendMessageA(Window, DM_GETDEFID, 0, 0));
}

TEST_F(Keyboard, MnemonicsClickButtonsWhateverTheCaseTyped) {
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Control(1), BM_GETCHECK, 0, 0));
    SendMessageA(Window, WM_SYSCOMMAND, SC_KEYMENU, 'c');
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(1), BM_GETCHECK, 0, 0));
    SendMessageA(Window, WM_SYSCOMMAND, SC_KEYMENU, 'G');
    EXPECT_NE(nullptr, Click(0));
    // A key without a mnemonic changes nothing.
    SendMessageA(Window, WM_SYSCOMMAND, SC_KEYMENU, 'z');
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(1), BM_GETCHECK, 0, 0));
}

TEST_F(Keyboard, ShiftTabAndUpOrLeftArrowsMoveBackwards) {
    SetFocus(Control(2));
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(Control(2), VK_TAB);
    HWND afterShiftTab = GetFocus();
    SetFocus(Control(0));
    Key(Control(0), VK_TAB);
    HWND afterShiftTabOnFirst = GetFocus();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Control(1), afterShiftTab);
    EXPECT_EQ(Control(3), afterShiftTabOnFirst) << "the first wraps to the last";
    SetFocus(Control(1));
    Key(Control(1), VK_UP);
    EXPECT_EQ(Control(0), GetFocus());
    Key(Control(0), VK_UP);
    EXPECT_EQ(Control(3), GetFocus());
    SetFocus(Control(3));
    Key(Control(3), VK_LEFT);
    EXPECT_EQ(Control(2), GetFocus()) << "the text box before the button";
}

TEST_F(Keyboard, KeyPreviewWindowHearsItsControlsKeysFirst) {
    HWND text = Control(2);
    SendMessageA(text, WM_KEYDOWN, 'X', 0);
    SendMessageA(text, WM_CHAR, 'x', 0);
    EXPECT_EQ(0, TimesHeard(WM_KEYDOWN, text) + TimesHeard(WM_CHAR, text))
        << "controls' keys are the window's only when it previews them";

    ObjectFromHandle(Window)->KeyPreview = 1;
    EventAnswer = [](HWND, UINT m, WPARAM w, LPARAM) -> LRESULT {
        return m == WM_CHAR && w == 'x';
    };
    SetWindowTextA(text, "abc");
    SendMessageA(text, EM_SETSEL, 3, 3);
    SendMessageA(text, WM_KEYDOWN, 'X', 0);
    SendMessageA(text, WM_CHAR, 'x', 0);
    SendMessageA(text, WM_CHAR, 'y', 0);
    EXPECT_EQ(1, TimesHeard(WM_KEYDOWN, text));
    EXPECT_EQ(2, TimesHeard(WM_CHAR, text));
    char typed[16] = {};
    GetWindowTextA(text, typed, sizeof typed);
    EXPECT_STREQ("abcy", typed) << "a key the window answers is kept from the control";
}

TEST_F(Keyboard, KeyAnsweredByAPreviewingWindowIsKeptFromTheControlsProcedure) {
    HWND text = Control(2);
    ObjectFromHandle(Window)->KeyPreview = 1;
    ObjectFromHandle(text)->EventProcedure = RecordingEventProcedure;
    EventAnswer = [](HWND, UINT, WPARAM key, LPARAM) -> LRESULT { return key == VK_F2; };
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        SendMessageA(text, message, VK_F2, 0);
        EXPECT_EQ(1, TimesHeard(message, text)) << message << ": the window's preview only";
        SendMessageA(text, message, VK_F3, 0);
        EXPECT_EQ(3, TimesHeard(message, text)) << message << ": the window, then the control";
    }
}

TEST_F(Keyboard, DefaultLookGoesWithDeactivationAndComesBack) {
    auto looksDefault = [&](int index) {
        return (GetWindowLongA(Control(index), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
    };
    SendMessageA(Window, DM_SETDEFID, ControlId(3), 0);
    SetFocus(Control(2));
    ASSERT_TRUE(looksDefault(3));
    SendMessageA(Window, WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(looksDefault(3));
    SendMessageA(Window, WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(looksDefault(3));
    EXPECT_EQ(Control(2), GetFocus());

    SetFocus(Control(0)); // a focused push button has the look itself
    ASSERT_TRUE(looksDefault(0));
    SendMessageA(Window, WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(looksDefault(0));
    EXPECT_FALSE(looksDefault(3));
    SendMessageA(Window, WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(looksDefault(0));
    EXPECT_EQ(ControlId(3), LOWORD(SendMessageA(Window, DM_GETDEFID, 0, 0)))
        << "the default is kept";
}

// Windows built from a TemplateBuilder, shown so that they can hold the focus.
struct ShownWindow {
    HWND Handle;
    explicit ShownWindow(TemplateBuilder &builder) {
        builder.Window().Visible = 1;
        builder.Window().EventProcedure = RecordingEventProcedure;
        Handle = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    }
    ~ShownWindow() {
        DestroyWindow(Handle);
        ResetRecorder();
    }
    HWND Control(int index) const { return GetDlgItem(Handle, ControlId(index)); }
};

// The search alone: what qualifies without and with arrow keys, which way it
// goes, and what it does with option buttons.
TEST(FocusSearch, ArrowsClickTheOptionTheyReachAndTheCheckedOneIsPreferred) {
    ResetRecorder();
    TemplateBuilder builder(3);
    builder.Add(KindTextBox, 0, L"txtFirst", L"").TabStop = 1;
    WindowObject &first = builder.Add(KindOptionButton, 1, L"optA", L"A");
    first.Style |= BS_AUTORADIOBUTTON;
    first.TabStop = 1;
    builder.Add(KindOptionButton, 2, L"optB", L"B").Style |= BS_AUTORADIOBUTTON;
    ShownWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    HWND text = window.Control(0), a = window.Control(1), b = window.Control(2);
    auto checked = [](HWND option) {
        return SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    EXPECT_EQ(text, FindFocusableControl(window.Handle, 2, {})) << "B has no TabStop: wrapped";
    EXPECT_EQ(a, FindFocusableControl(window.Handle, -1, {.Backwards = true}));
    EXPECT_FALSE(checked(a) || checked(b)) << "Tab clicks nothing";
    EXPECT_EQ(b, FindFocusableControl(window.Handle, 2, {.ArrowMode = true}));
    EXPECT_TRUE(checked(b)) << "an arrow key clicks the option it reaches";
    EXPECT_EQ(b, FindFocusableControl(window.Handle, 1, {.PreferChecked = true}))
        << "the checked option of A's group";
    EXPECT_EQ(text, FindFocusableControl(window.Handle, 0, {.PreferChecked = true}));
    EXPECT_EQ(a, FindFocusableControl(window.Handle, 1, {.Backwards = true, .ArrowMode = true}));
    EXPECT_TRUE(checked(a) && !checked(b));
}

TEST(ContainerKeys, EnterOnAButtonInsideAGroupBoxPressesThatButton) {
    ResetRecorder();
    TemplateBuilder builder(2);
    builder.Add(KindGroupBox, 0, L"grpBox", L"Box", 1);
    builder.Add(KindPushButton, 1, L"btnInside", L"Inside").TabStop = 1;
    WindowObject &fallback = builder.Add(KindPushButton, 2, L"btnDefault", L"Default");
    fallback.TabStop = 1;
    fallback.IsDefault = 1;
    ShownWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    HWND inside = FindDescendant(window.Handle, ControlId(1));
    ASSERT_NE(nullptr, inside);
    SendMessageA(inside, WM_KEYDOWN, VK_RETURN, 0);
    const HeardMessage *click = FirstHeard(WM_COMMAND);
    ASSERT_NE(nullptr, click);
    EXPECT_EQ(MAKEWPARAM(ControlId(1), BN_CLICKED), click->WParam);
    EXPECT_EQ((LPARAM)inside, click->LParam);
}

// A text box that its template disables takes the focus neither by Tab nor
// when it is given it (as a click would): the focus goes on to the next control.
TEST(ContainerKeys, TextBoxDisabledByItsTemplateNeverHoldsTheFocus) {
    ResetRecorder();
    TemplateBuilder builder(3);
    builder.Add(KindPushButton, 0, L"btnFirst", L"First").TabStop = 1;
    WindowObject &text = builder.Add(KindTextBox, 1, L"txtOff", L"off");
    text.TabStop = 1;
    text.Enabled = 0;
    text.EventProcedure = RecordingEventProcedure;
    builder.Add(KindPushButton, 2, L"btnLast", L"Last").TabStop = 1;
    ShownWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    SetFocus(window.Control(0));
    ResetRecorder();
    SendMessageA(window.Control(0), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(window.Control(2), GetFocus());
    EXPECT_EQ(0, TimesHeard(WM_KILLFOCUS, window.Control(1)))
        << "Tab passes over it without focusing it on the way";
    SetFocus(window.Control(1));
    EXPECT_EQ(window.Control(2), GetFocus());
}

// A mnemonic that several controls share moves the focus from one to the
// next and presses none; "&&" is a literal ampersand; an upper-case key
// (Shift or Caps Lock) matches a lower-case mnemonic.
TEST(ContainerKeys, SharedMnemonicsMoveTheFocusAndUniqueOnesPress) {
    ResetRecorder();
    TemplateBuilder builder(4);
    const wchar_t *captions[] = {L"&Shortcut 32", L"&Shortcut 64", L"Salt && &Pepper", L"&lower"};
    const wchar_t *names[] = {L"chk32", L"chk64", L"chkSalt", L"chkLower"};
    for (int i = 0; i < 4; ++i) {
        WindowObject &box = builder.Add(KindCheckBox, i, names[i], captions[i]);
        box.Style |= BS_AUTOCHECKBOX;
        box.TabStop = 1;
    }
    ShownWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    auto alt = [&](unsigned key) { SendMessageA(window.Handle, WM_SYSCOMMAND, SC_KEYMENU, key); };
    auto checked = [&](int i) {
        return SendMessageA(window.Control(i), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    SetFocus(window.Control(3));
    alt('s');
    EXPECT_EQ(window.Control(0), GetFocus());
    alt('S');
    EXPECT_EQ(window.Control(1), GetFocus());
    alt('s');
    EXPECT_EQ(window.Control(0), GetFocus());
    EXPECT_FALSE(checked(0) || checked(1)) << "a shared mnemonic presses nothing";
    alt('p');
    EXPECT_TRUE(checked(2));
    alt('&');
    EXPECT_TRUE(checked(2)) << "a doubled ampersand is no mnemonic";
    alt('L');
    EXPECT_TRUE(checked(3));
}

// A tab's mnemonic selects that tab as a click would: the window hears the
// change coming and then the change, from the tab control.
TEST(ContainerKeys, TabMnemonicSelectsTheTabWithItsNotices) {
    ResetRecorder();
    static const TabItem tabs[] = {{TextRef(L"&One")}, {TextRef(L"&Two")}};
    TemplateBuilder builder(2);
    builder.Add(KindPushButton, 0, L"btnGo", L"Go").TabStop = 1;
    WindowObject &tab = builder.Add(KindTabControl, 1, L"tabPages", L"");
    tab.Items = (void *)tabs;
    tab.ItemCount = 2;
    ShownWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    std::vector<UINT> codes;
    EventAnswer = [&](HWND to, UINT message, WPARAM id, LPARAM lParam) -> LRESULT {
        const NMHDR *header = (const NMHDR *)lParam;
        if (to == window.Handle && message == WM_NOTIFY && id == ControlId(1) &&
            header->hwndFrom == window.Control(1))
            codes.push_back(header->code);
        return 0;
    };
    SendMessageA(window.Handle, WM_SYSCOMMAND, SC_KEYMENU, 't');
    EXPECT_EQ(1, SendMessageA(window.Control(1), TCM_GETCURSEL, 0, 0));
    EXPECT_EQ(window.Control(1), GetFocus());
    EXPECT_EQ((std::vector<UINT>{(UINT)TCN_SELCHANGING, (UINT)TCN_SELCHANGE}), codes);
    EventAnswer = nullptr;
}

// A label passes the focus on; with no control after it that can take the
// focus, the window keeps it instead of handing it back to the label.
TEST(ContainerKeys, LabelMnemonicWithNothingToFocusLeavesTheFocusOnTheWindow) {
    ResetRecorder();
    TemplateBuilder builder(2);
    builder.Add(KindLabel, 0, L"lblName", L"&Name");
    builder.Add(KindTextBox, 1, L"txtName", L"").TabStop = 0;
    ShownWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    SetFocus(window.Handle);
    ResetRecorder();
    SendMessageA(window.Handle, WM_SYSCOMMAND, SC_KEYMENU, 'n');
    EXPECT_EQ(window.Handle, GetFocus());
    EXPECT_EQ(1, TimesHeard(WM_SETFOCUS, window.Handle)) << "the focus went round once";
}

} // namespace
