// List-box routines on list boxes of both text forms, the hidden string
// lists, and cue banners.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/library/list_boxes.h"
#include "runtime/library/window_routines.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "tests/library/text_forms.h"
#include "tests/support/canvas.h"

namespace {

// An 8-bit list box, as an ANSI application that subclasses it has: Wine's
// list boxes are UTF-16 whichever function created them.
WNDPROC ListBoxProcedure;
LRESULT CALLBACK AnsiListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(ListBoxProcedure, window, message, wParam, lParam);
}

// A list box in the text form of Ch, whatever UnicodeFlag says.
template <class Ch> HWND CreateListBox(DWORD style) {
    HWND list = CreateWindowExW(0, L"LISTBOX", nullptr, style, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
    if (sizeof(Ch) == 1)
        ListBoxProcedure =
            (WNDPROC)SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)AnsiListBoxProc);
    return list;
}

template <class Ch> class ListBoxes : public TextForms<Ch> {
  protected:
    void SetUp() override {
        Ansi = CreateListBox<char>(LBS_SORT);
        Wide = CreateListBox<wchar_t>(LBS_SORT);
        ASSERT_FALSE(IsWindowUnicode(Ansi));
        ASSERT_TRUE(IsWindowUnicode(Wide));
    }
    void TearDown() override {
        DestroyWindow(Ansi);
        DestroyWindow(Wide);
    }
    HWND Ansi = nullptr, Wide = nullptr;
};
TYPED_TEST_SUITE(ListBoxes, CharTypes);

// The entries speak the active form to either list box; the routines
// without text count in the list box's own.
TYPED_TEST(ListBoxes, ItemsInEitherFormOfListBox) {
    auto t = TextOf<TypeParam>;
    for (HWND list : {this->Ansi, this->Wide}) {
        EXPECT_EQ(0, AddItem(list, t("pear").c_str()));
        EXPECT_EQ(0, AddItem(list, t("Caf\xe9").c_str())) << "sorted into place";
        EXPECT_EQ(2, InsertItem(list, -1, t("apple").c_str())) << "inserted, not sorted";
        EXPECT_EQ(3, GetItemCount(list));
        EXPECT_EQ(1, FindItem(list, t("PEA").c_str())) << "a prefix, whatever the case";
        EXPECT_EQ(LB_ERR, FindItemExact(list, t("pea").c_str()));
        EXPECT_EQ(1, FindItemExact(list, t("Pear").c_str()));
        EXPECT_EQ(LB_ERR, FindItem(nullptr, t("pear").c_str()));
        EXPECT_EQ(LB_ERR, FindItemExact(nullptr, t("pear").c_str()));

        TypeParam buffer[8];
        EXPECT_EQ(4, GetItemText(list, 0, buffer, 8));
        EXPECT_EQ(t("Caf\xe9"), buffer);
        EXPECT_EQ(4, GetItemTextLength(list, 0));
        EXPECT_EQ(3, GetItemText(list, 2, buffer, 4)) << "cut to the buffer";
        EXPECT_EQ(t("app"), buffer);
        EXPECT_EQ(LB_ERR, GetItemText(list, 3, buffer, 8));
        EXPECT_EQ(t(""), buffer);

        EXPECT_EQ(0, AddItem(list, t("").c_str())) << "an empty item sorts first";
        EXPECT_EQ(0, GetItemText(list, 0, buffer, 8)) << "an empty text is no failure";
        DeleteItem(list, 0);

        EXPECT_EQ(2, DeleteItem(list, 0));
        EXPECT_EQ(LB_ERR, GetItemTextLength(list, 2));
        ClearItems(list);
        EXPECT_EQ(0, GetItemCount(list));
    }
}

// The string lists in the runtime's table, in creation order.
std::vector<HWND> TableOfStringLists() {
    std::vector<HWND> lists(HiddenListBoxes[0]);
    for (size_t i = 0; i < lists.size(); ++i)
        memcpy(&lists[i], HiddenListBoxes + 1 + i * sizeof(HWND), sizeof(HWND));
    return lists;
}

TEST(StringLists, HiddenListsUpToTheLimit) {
    ASSERT_EQ(0, HiddenListBoxes[0]);
    std::vector<HWND> lists;
    for (int i = 0; i < MaxStringLists; ++i) {
        TextFormScope form(i % 2);
        lists.push_back(CreateStringList(i % 3 == 0));
        ASSERT_TRUE(IsWindow(lists.back())) << i;
    }
    EXPECT_EQ(StringListTableFull, CreateStringList(0));
    EXPECT_EQ(lists, TableOfStringLists());

    EXPECT_FALSE(IsWindowVisible(lists[0]));
    for (const char *text : {"pear", "apple", "fig"})
        AddItemA(lists[0], text);
    EXPECT_EQ(1, FindItemExactA(lists[0], "fig")) << "a sorted list";

    EXPECT_EQ(1, DestroyStringList(lists[10]));
    EXPECT_FALSE(IsWindow(lists[10]));
    lists.erase(lists.begin() + 10);
    EXPECT_EQ(lists, TableOfStringLists()) << "the later lists move down";
    lists.push_back(CreateStringList(0));
    EXPECT_TRUE(IsWindow(lists.back()));
    EXPECT_EQ(lists, TableOfStringLists());

    for (HWND each : lists)
        EXPECT_EQ(1, DestroyStringList(each));
    EXPECT_EQ(0, HiddenListBoxes[0]);
    EXPECT_EQ(0, DestroyStringList(nullptr));
    HWND other = CreateListBox<char>(0);
    EXPECT_EQ(1, DestroyStringList(other));
    EXPECT_FALSE(IsWindow(other)) << "any other window is destroyed too";
}

// EM_SETCUEBANNER takes UTF-16 from either caller.
TEST(CueBanner, FromAnEightBitAndAWideCaller) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(nullptr, edit);
    ShowWindow(edit, SW_SHOWNA);
    UpdateWindow(edit);
    Canvas picture(100, 20);
    picture.CopyFrom(edit);
    const int blank = picture.Count(RGB(255, 255, 255));
    wchar_t shown[32] = {};
    {
        TextFormScope ansi(0);
        EXPECT_TRUE(SetCueBanner(edit, 0, "Caf\xe9 name"));
    }
    picture.CopyFrom(edit);
    EXPECT_LT(picture.Count(RGB(255, 255, 255)), blank) << "the banner is painted at once";
    SendMessageW(edit, EM_GETCUEBANNER, (WPARAM)shown, 32);
    EXPECT_STREQ(L"Caf\x00e9 name", shown);
    {
        TextFormScope wide(1);
        EXPECT_TRUE(SetCueBanner(edit, 1, L"\x0436 name"));
    }
    SendMessageW(edit, EM_GETCUEBANNER, (WPARAM)shown, 32);
    EXPECT_STREQ(L"\x0436 name", shown);
    {
        TextFormScope ansi(0);
        EXPECT_TRUE(SetCueBanner(edit, 0, std::string(300, 'x').c_str()));
    }
    std::vector<wchar_t> whole(400);
    SendMessageW(edit, EM_GETCUEBANNER, (WPARAM)whole.data(), 400);
    EXPECT_EQ(std::wstring(CueBannerChars - 1, L'x'), whole.data()) << "cut to its limit";
    DestroyWindow(edit);
}

} // namespace
