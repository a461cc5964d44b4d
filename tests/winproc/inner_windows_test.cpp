// Keys and focus in the inner edit fields of combo boxes and IP address
// boxes: they belong to the window like those of the control itself.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "runtime/templates/create_from_template.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"

namespace {

class InnerWindows : public testing::Test {
  protected:
    void SetUp() override {
        ResetRecorder();
        TemplateBuilder builder(5);
        builder.Window().Visible = 1;
        builder.Window().EventProcedure = RecordingEventProcedure;
        WindowObject &combo = builder.Add(KindComboBox, 0, L"cboName", L"");
        combo.Style |= CBS_DROPDOWN;
        combo.EventProcedure = RecordingEventProcedure;
        combo.TabStop = 1;
        builder.Add(KindIpAddress, 1, L"ipAddress", L"").TabStop = 1;
        WindowObject &ok = builder.Add(KindPushButton, 2, L"btnOk", L"OK");
        ok.IsDefault = ok.TabStop = 1;
        WindowObject &cancel = builder.Add(KindPushButton, 3, L"btnCancel", L"Cancel");
        cancel.Cancel = cancel.TabStop = 1;
        WindowObject &extended = builder.Add(KindExtendedComboBox, 4, L"cbxPlace", L"");
        extended.Style |= CBS_DROPDOWN;
        extended.TabStop = 1;
        Window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(Window));
        Combo = GetDlgItem(Window, ControlId(0));
        Address = GetDlgItem(Window, ControlId(1));
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(Combo, &info));
        ComboEdit = info.hwndItem;
        AddressField = GetWindow(Address, GW_CHILD);
        Extended = GetDlgItem(Window, ControlId(4));
        ExtendedEdit = (HWND)SendMessageA(Extended, CBEM_GETEDITCONTROL, 0, 0);
        ASSERT_NE(nullptr, ExtendedEdit);
        ASSERT_NE(nullptr, ComboEdit);
        ASSERT_NE(nullptr, AddressField);
        ResetRecorder();
    }
    void TearDown() override {
        DestroyWindow(Window);
        ResetRecorder();
    }
    HWND ActiveControl() { return ObjectFromHandle(Window)->ActiveControl; }
    void Key(HWND to, WPARAM key, bool shift = false) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageA(to, WM_KEYDOWN, key, 0);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    bool Clicked(int index) {
        for (const HeardMessage &m : Heard)
            if (m.Window == Window && m.Message == WM_COMMAND &&
                m.WParam == MAKEWPARAM(ControlId(index), BN_CLICKED))
                return true;
        return false;
    }
    // Two items in the combo box or extended combo box, the first selected.
    void FillAndSelectFirst(HWND combo) {
        for (const char *text : {"one", "two"}) {
            if (combo == Combo) {
                SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text);
                continue;
            }
            COMBOBOXEXITEMA item = {};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = (char *)text;
            SendMessageA(combo, CBEM_INSERTITEMA, 0, (LPARAM)&item);
        }
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    }
    int SelectionChanges(HWND combo) {
        int changes = 0;
        for (const HeardMessage &m : Heard)
            changes += m.Window == Window && m.Message == WM_COMMAND &&
                       m.WParam == MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE) &&
                       m.LParam == (LPARAM)combo;
        return changes;
    }
    HWND Window = nullptr, Combo = nullptr, Address = nullptr, Extended = nullptr;
    HWND ComboEdit = nullptr, AddressField = nullptr, ExtendedEdit = nullptr;
};

TEST_F(InnerWindows, TabMovesOnAndTheActiveControlFollowsTheFocus) {
    SetFocus(AddressField);
    EXPECT_EQ(Address, ActiveControl());
    Key(AddressField, VK_TAB, true);
    EXPECT_EQ(ComboEdit, GetFocus());
    EXPECT_EQ(Combo, ActiveControl());
    Key(ComboEdit, VK_TAB);
    EXPECT_EQ(Address, GetParent(GetFocus()));
    EXPECT_EQ(Address, ActiveControl());
}

// Enter and Esc press the default and cancel buttons, unless they close an
// open list, which keeps its highlighted item.
TEST_F(InnerWindows, EnterAndEscPressTheButtonsOrCloseTheList) {
    Key(ComboEdit, VK_RETURN);
    Key(AddressField, VK_ESCAPE);
    EXPECT_TRUE(Clicked(2) && Clicked(3));
    ResetRecorder();
    Key(AddressField, VK_RETURN);
    Key(ComboEdit, VK_ESCAPE);
    EXPECT_TRUE(Clicked(2) && Clicked(3));

    ResetRecorder();
    SendMessageA(Combo, CB_ADDSTRING, 0, (LPARAM) "one");
    SendMessageA(Combo, CB_ADDSTRING, 0, (LPARAM) "two");
    SetFocus(ComboEdit);
    SendMessageA(Combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(Combo, CB_SETCURSEL, 1, 0);
    Key(ComboEdit, VK_RETURN);
    EXPECT_FALSE(SendMessageA(Combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(1, SendMessageA(Combo, CB_GETCURSEL, 0, 0));
    EXPECT_FALSE(Clicked(2));

    FillAndSelectFirst(Extended);
    SetFocus(ExtendedEdit);
    SendMessageA(Extended, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(Extended, CB_SETCURSEL, 1, 0);
    Key(ExtendedEdit, VK_RETURN);
    EXPECT_FALSE(SendMessageA(Extended, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(1, SendMessageA(Extended, CB_GETCURSEL, 0, 0));
    EXPECT_TRUE(IsChild(Extended, GetFocus())) << "the focus stays in the extended combo box";
    EXPECT_FALSE(Clicked(2));
}

// Up and Down in the field change the selection, and the window hears of it.
TEST_F(InnerWindows, UpAndDownInTheFieldReportTheNewSelection) {
    for (HWND combo : {Combo, Extended}) {
        FillAndSelectFirst(combo);
        HWND field = combo == Combo ? ComboEdit : ExtendedEdit;
        SetFocus(field);
        ResetRecorder();
        Key(field, VK_DOWN);
        EXPECT_EQ(1, SendMessageA(combo, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(1, SelectionChanges(combo)) << GetDlgCtrlID(combo);
        Key(field, VK_UP);
        EXPECT_EQ(0, SendMessageA(combo, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(2, SelectionChanges(combo)) << GetDlgCtrlID(combo);
    }
}

TEST_F(InnerWindows, KeysReachThePreviewAndTheOwnersEventProcedure) {
    SetFocus(ComboEdit);
    SendMessageA(ComboEdit, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(1, TimesHeard(WM_KEYDOWN, Combo)) << "the combo box hears its field's keys";
    ObjectFromHandle(Window)->KeyPreview = 1;
    EventAnswer = [&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        return w == ComboEdit && m == WM_KEYDOWN;
    };
    Key(ComboEdit, VK_TAB);
    EXPECT_EQ(1, TimesHeard(WM_KEYDOWN, ComboEdit)) << "the window previews the field's keys";
    EXPECT_EQ(ComboEdit, GetFocus()) << "a previewed key goes no further";
}

// Characters the owner answers stay out of the field; the editing shortcuts
// reach it whatever the owner answers.
TEST_F(InnerWindows, EditingShortcutsReachTheFieldWhateverTheOwnerAnswers) {
    SetWindowTextA(ComboEdit, "abc");
    SendMessageA(ComboEdit, EM_SETSEL, 3, 3);
    EventAnswer = [&](HWND w, UINT m, WPARAM c, LPARAM) -> LRESULT {
        return w == Combo && m == WM_CHAR && c != 'y';
    };
    SendMessageA(ComboEdit, WM_CHAR, 'x', 0);
    char text[16] = {};
    GetWindowTextA(ComboEdit, text, sizeof text);
    EXPECT_STREQ("abc", text);
    SendMessageA(ComboEdit, EM_SETSEL, 1, 3);
    SendMessageA(ComboEdit, WM_CHAR, 24, 0);  // Ctrl+X
    SendMessageA(ComboEdit, WM_CHAR, 'y', 0); // not answered
    GetWindowTextA(ComboEdit, text, sizeof text);
    EXPECT_STREQ("ay", text);
}

} // namespace
