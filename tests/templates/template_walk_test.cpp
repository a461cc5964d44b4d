// Template entries copied into object trees: pre-order walking, child
// arrays and text references.
#include <gtest/gtest.h>

#include "runtime/templates/create_from_template.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/window_object.h"
#include "tests/support/template_builder.h"

namespace {

std::vector<WindowObject> NestedTemplate() {
    // window > (outer group > (inner group > (option, option), check), button)
    std::vector<WindowObject> t = {
        WindowEntry(KindWindow, L"Nested", 2),        ControlEntry(KindGroupBox, L"outer", 1, 2),
        ControlEntry(KindGroupBox, L"inner", 2, 2),   ControlEntry(KindOptionButton, L"first", 3),
        ControlEntry(KindOptionButton, L"second", 4), ControlEntry(KindCheckBox, L"check", 5),
        ControlEntry(KindPushButton, L"button", 6),
    };
    FinishTemplate(t);
    return t;
}

int CountChildren(const WindowObject *object) {
    int n = 0;
    while (object->Children && object->Children[n])
        ++n;
    return n;
}

// Frees a tree built by BuildChildObjects; the root is a plain copy of the
// template's window entry, whose texts belong to the template.
void FreeTree(WindowObject *root) {
    ReleaseChildObjects(root);
}

TEST(TemplateWalk, ChildrenFollowTheirParentInPreOrder) {
    std::vector<WindowObject> t = NestedTemplate();
    WindowObject root = t[0];
    const WindowObject *last = BuildChildObjects(&root, &t[0]);
    EXPECT_EQ(&t[6], last) << "the walk consumes the whole template";

    ASSERT_EQ(2, CountChildren(&root));
    WindowObject *outer = root.Children[0];
    WindowObject *button = root.Children[1];
    EXPECT_STREQ(L"outer", outer->Name);
    EXPECT_STREQ(L"button", button->Name);
    ASSERT_EQ(2, CountChildren(outer));
    EXPECT_STREQ(L"inner", outer->Children[0]->Name);
    EXPECT_STREQ(L"check", outer->Children[1]->Name);
    WindowObject *inner = outer->Children[0];
    ASSERT_EQ(2, CountChildren(inner));
    EXPECT_STREQ(L"first", inner->Children[0]->Name);
    EXPECT_STREQ(L"second", inner->Children[1]->Name);
    EXPECT_EQ(nullptr, button->Children);
    EXPECT_EQ(KindPushButton, button->Kind);
    EXPECT_EQ(6, button->Index);
    FreeTree(&root);
}

TEST(TemplateWalk, ObjectsAreCopiesWithTheirOwnTexts) {
    std::vector<WindowObject> t = {
        WindowEntry(KindWindow, L"Texts", 3),
        ControlEntry(KindLabel, L"fromTable", 1, 0, 0, nullptr),
        ControlEntry(KindLabel, L"empty", 2),
        ControlEntry(KindLabel, L"literal", 3, 0, 0, L"Caption"),
    };
    t[1].TextBuffer = StringTableRef(5);
    t[3].ToolTipText = TextRef(L"Tip");
    // A negative count is no children, and a start address in a control's
    // entry is no font: the run-time fields that share their place start
    // empty.
    t[2].ChildCount = -1;
    t[2].TemplateStart = t.data();
    FinishTemplate(t);
    const long before = LiveBlocks();
    WindowObject root = t[0];
    BuildChildObjects(&root, &t[0]);

    WindowObject *fromTable = root.Children[0];
    EXPECT_STREQ("Five from the string table", (const char *)fromTable->TextBuffer);
    EXPECT_EQ(26, fromTable->TextLength);
    WindowObject *empty = root.Children[1];
    EXPECT_STREQ("", (const char *)empty->TextBuffer);
    EXPECT_EQ(0, empty->TextLength);
    EXPECT_EQ(nullptr, empty->Children);
    EXPECT_EQ(nullptr, empty->InitialFont);
    WindowObject *literal = root.Children[2];
    EXPECT_STREQ("Caption", (const char *)literal->TextBuffer);
    EXPECT_NE((void *)t[3].TextBuffer, literal->TextBuffer);
    EXPECT_STREQ("MS Sans Serif", (const char *)literal->FontName);
    EXPECT_STREQ("Tip", (const char *)literal->ToolTipCopy);
    EXPECT_EQ(nullptr, literal->ToolTipText) << "the reference is cleared once converted";
    // The template itself is untouched.
    EXPECT_EQ(StringTableRef(5), t[1].TextBuffer);
    EXPECT_STREQ(L"Caption", (const wchar_t *)t[3].TextBuffer);

    FreeTree(&root);
    EXPECT_EQ(before, LiveBlocks());
}

// A count that cannot be held builds nothing, and the count does not stay
// where the children's array goes, for the release to take as one.
TEST(TemplateWalk, RefusedCountLeavesNoChildren) {
    std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Refused", 0)};
    t[0].ChildCount = -2;
    WindowObject root = t[0];
    EXPECT_EQ(nullptr, BuildChildObjects(&root, &t[0]));
    EXPECT_EQ(nullptr, root.Children);
    ReleaseChildObjects(&root);
}

TEST(TemplateWalk, MissingStringTableEntryGivesAnEmptyText) {
    WindowObject object{};
    void *text = CopyText(&object, StringTableRef(77), 1);
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ("", (const char *)text);
    EXPECT_EQ(0, object.TextLength);
    FreeText(text);
}

TEST(TemplateWalk, OverlongTextIsCutToTheConversionBuffer) {
    std::wstring longText(5000, L'x');
    WindowObject object{};
    char *text = (char *)CopyText(&object, longText.c_str(), 1);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(2047, object.TextLength);
    EXPECT_EQ(2047u, strlen(text));
    FreeText(text);
}

// Templates that cannot make a window: no template, a control at the head,
// a Children count whose array would not fit in the address space (at the
// window or deeper). Each answers 0 and leaves no block behind.
TEST(TemplateWalk, TemplatesThatCannotBeBuiltAreRefused) {
    EXPECT_EQ(0, CreateFromTemplate(nullptr, nullptr, 0, nullptr));
    for (int row = 0; row < 4; ++row) {
        std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Refused", 1),
                                       ControlEntry(KindGroupBox, L"grp", 0, 1),
                                       ControlEntry(KindLabel, L"lbl", 1, 0, 0, L"Text")};
        if (row == 0) t[0].Kind = KindLabel;
        if (row == 1) t[0].Kind = KindThread;
        if (row == 2) t[0].ChildCount = 0x40000000;
        if (row == 3) t[1].ChildCount = 0x40000000;
        FinishTemplate(t);
        const long before = LiveBlocks();
        EXPECT_EQ(0, CreateFromTemplate(t.data(), nullptr, 0, nullptr)) << "row " << row;
        EXPECT_EQ(before, LiveBlocks()) << "row " << row;
        EXPECT_EQ(nullptr, FindWindowW(nullptr, L"Refused")) << "row " << row;
    }
}

TEST(TemplateWalk, WindowWithoutChildrenBuildsNoArray) {
    std::vector<WindowObject> t = {WindowEntry(KindWindow, L"Alone", 0)};
    FinishTemplate(t);
    const long before = LiveBlocks();
    INT_PTR window = CreateFromTemplate(t.data(), nullptr, 0, nullptr);
    ASSERT_NE(0, window);
    WindowObject *object = ObjectFromHandle((HWND)window);
    ASSERT_NE(nullptr, object);
    EXPECT_EQ(nullptr, object->Children);
    DestroyWindow((HWND)window);
    EXPECT_EQ(before, LiveBlocks());
}

} // namespace
