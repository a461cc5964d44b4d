// Templates by name: FindTemplate and OpenWindow.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/template_list.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

// Registers templates for one test and empties the list again.
class TemplateListTest : public testing::Test {
  protected:
    void Register(const WindowTemplate *t) {
        const WindowTemplate **slot = RegisterTemplate();
        ASSERT_NE(nullptr, slot);
        *slot = t;
    }
    void TearDown() override {
        for (uint32_t i = 0; i < MaxTemplates; ++i)
            TemplateList[i] = nullptr;
    }
};

TEST_F(TemplateListTest, FindTemplateIgnoresCase) {
    std::vector<WindowObject> other = {WindowEntry(KindWindow, L"Other", 0)};
    FinishTemplate(other);
    Register(other.data());
    Register(SettingsWindowTemplate);
    EXPECT_EQ(SettingsWindowTemplate, FindTemplateA("settings"));
    EXPECT_EQ(SettingsWindowTemplate, FindTemplateW(L"SETTINGS"));
    EXPECT_EQ(SettingsWindowTemplate, FindTemplate("Settings"));
    EXPECT_EQ(other.data(), FindTemplateA("OTHER"));
    EXPECT_EQ(nullptr, FindTemplateA("Settings2"));
    EXPECT_EQ(nullptr, FindTemplateA(""));
    EXPECT_EQ(nullptr, FindTemplateW(nullptr));
    // Once the runtime is released there is no list to search.
    const WindowTemplate **list = TemplateList;
    TemplateList = nullptr;
    EXPECT_EQ(nullptr, FindTemplateA("Settings"));
    EXPECT_EQ(nullptr, FindTemplateW(L"Settings"));
    TemplateList = list;
}

TEST_F(TemplateListTest, RegisterTemplateFillsSlotsInOrder) {
    const WindowTemplate **first = RegisterTemplate();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(&TemplateList[0], first);
    *first = SettingsWindowTemplate;
    EXPECT_EQ(&TemplateList[1], RegisterTemplate());
    // The list keeps a terminating null: one slot less than it has room for.
    for (uint32_t i = 1; i < MaxTemplates; ++i)
        TemplateList[i] = SettingsWindowTemplate;
    EXPECT_EQ(nullptr, RegisterTemplate());
}

TEST_F(TemplateListTest, OpenWindowRefusesTheMainWindowAndControlOwners) {
    Register(SettingsWindowTemplate);
    const uint32_t used = ObjectTableUsed;
    EXPECT_EQ(0, OpenWindowA("Settings", nullptr, 0, nullptr));
    EXPECT_EQ(used, ObjectTableUsed) << "nothing was created";

    std::vector<WindowObject> owner = {
        WindowEntry(KindWindow, L"Owner", 1),
        ControlEntry(KindTextBox, L"txtName", 0),
    };
    FinishTemplate(owner);
    std::vector<WindowObject> dialog = {WindowEntry(KindWindow, L"Second", 0)};
    FinishTemplate(dialog);
    Register(dialog.data());
    HWND window = (HWND)CreateFromTemplate(owner.data(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    HWND textBox = GetWindow(window, GW_CHILD);
    ASSERT_NE(nullptr, ObjectFromHandle(textBox));
    EXPECT_EQ(0, OpenWindowA("second", textBox, 0, nullptr));

    // A window as owner is fine, and the window is owned by it.
    HWND second = (HWND)OpenWindowA("second", window, 0, nullptr);
    ASSERT_TRUE(IsWindow(second));
    EXPECT_EQ(window, GetWindow(second, GW_OWNER));
    EXPECT_EQ(0, GetWindowLongA(second, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    DestroyWindow(second);
    // By a name in the active form, either form.
    for (int wide : {0, 1}) {
        TextFormScope form(wide);
        const void *name = wide ? (const void *)L"SECOND" : (const void *)"SECOND";
        HWND again = (HWND)OpenWindow(name, window, 0, nullptr);
        EXPECT_TRUE(IsWindow(again)) << wide;
        DestroyWindow(again);
    }
    DestroyWindow(window);
    EXPECT_EQ(used, ObjectTableUsed);
}

} // namespace
