// CheckTemplate on constant templates, and CreateFromTemplate refusing the
// templates it finds wrong: one line to the debugger, nothing created.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/templates/create_from_template.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/template_check.h"
#include "runtime/base/window_object.h"
#include "tests/support/import_hook.h"
#include "tests/support/template_builder.h"

namespace {

// Constant templates, checked while compiling: a union field is read only
// when the initialiser set it, so each mistake below is still seen.
constexpr WindowObject Window(int32_t children) {
    WindowObject e{};
    e.Kind = KindWindow;
    e.Name = L"frmConst";
    e.ChildCount = children;
    e.PictureType = PictureNone;
    return e;
}
constexpr WindowObject Control(ControlKind kind, int32_t index, int32_t children = 0) {
    WindowObject e{};
    e.Kind = kind;
    e.Index = index;
    e.ChildCount = children;
    e.PictureType = PictureNone;
    return e;
}
constexpr WindowObject Sound[] = {Window(2), Control(KindGroupBox, 1, 1), Control(KindCheckBox, 0),
                                  Control(KindPushButton, 2)};
static_assert(TemplateIsSound(Sound));

template <size_t N>
constexpr TemplateProblem With(const WindowObject (&entries)[N], int at,
                               void (*change)(WindowObject &)) {
    WindowObject copy[N] = {};
    for (size_t i = 0; i < N; ++i)
        copy[i] = entries[i];
    change(copy[at]);
    return CheckTemplate(copy);
}
constexpr bool Is(TemplateProblem p, int entry, TemplateRule rule) {
    return p.Entry == entry && p.Rule == rule;
}
static_assert(Is(With(Sound, 0, [](WindowObject &e) { e.ChildCount = 3; }), 0,
                 TemplateEntriesMissing));
static_assert(Is(With(Sound, 0, [](WindowObject &e) { e.ChildCount = 1; }), 3,
                 TemplateEntriesLeftOver));
static_assert(Is(With(Sound, 0, [](WindowObject &e) { e.ChildCount = -1; }), 0,
                 TemplateChildCountNegative));
static_assert(Is(With(Sound, 1, [](WindowObject &e) { e.ChildCount = -1; }), 1,
                 TemplateChildCountNegative));
static_assert(Is(With(Sound, 2, [](WindowObject &e) { e.Kind = KindWindow; }), 2,
                 TemplateKindNotControl));
static_assert(Is(With(Sound, 3, [](WindowObject &e) { e.Index = 1; }), 3, TemplateIndexDuplicate));
static_assert(Is(With(Sound, 3, [](WindowObject &e) { e.Index = 3; }), 3, TemplateIndexOutOfRange));
static_assert(Is(With(Sound, 0, [](WindowObject &e) { e.StartUpPosition = 4; }), 0,
                 TemplateStartUpOutOfRange));
static_assert(Is(With(Sound, 0, [](WindowObject &e) { e.ToolTipStyle = 3; }), 0,
                 TemplateToolTipStyleOutOfRange));
static_assert(Is(With(Sound, 0, [](WindowObject &e) { e.TemplateStart = &Sound[1]; }), 0,
                 TemplateStartElsewhere));
static_assert(Is(With(Sound, 3, [](WindowObject &e) { e.PicturePosition = 7; }), 3,
                 TemplatePicturePositionOutOfRange));
static_assert(Is(With(Sound, 3, [](WindowObject &e) { e.Align = DockTop; }), 3,
                 TemplateAlignNotDockable));

// Every line the program sends to the debugger while a test runs.
std::vector<std::wstring> DebugLines;
void WINAPI CapturedOutputDebugString(const wchar_t *text) {
    DebugLines.push_back(text ? text : L"(null)");
    auto real = (void(WINAPI *)(const wchar_t *))GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                                "OutputDebugStringW");
    real(text);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*(int *)count;
    return TRUE;
}
int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, (LPARAM)&count);
    return count;
}

// window > (grpOne > (chkOne, chkTwo), btnGo), numbered as Settings numbers
// its controls, not in template order; then an entry that is no control:
// the template ends there.
std::vector<WindowObject> GoodTemplate() {
    std::vector<WindowObject> t = {
        WindowEntry(KindWindow, L"frmCheck", 2),   ControlEntry(KindGroupBox, L"grpOne", 1, 2),
        ControlEntry(KindCheckBox, L"chkOne", 2),  ControlEntry(KindCheckBox, L"chkTwo", 3),
        ControlEntry(KindPushButton, L"btnGo", 0), WindowObject{}};
    t[0].Visible = 0;
    FinishTemplate(t);
    return t;
}

struct Refusal {
    const char *Mistake;
    std::function<void(std::vector<WindowObject> &)> Change;
    const wchar_t *Line;
};

TEST(TemplateCheck, CreateFromTemplateRefusesEachMistakeInOneLine) {
    const Refusal rows[] = {
        {"unknown kind", [](auto &t) { t[3].Kind = (ControlKind)40; },
         L"CreateFromTemplate: entry 3: kind 40 is not a control kind (4 to 36); if this entry "
         L"lies past the template's end, the child count of entry 1 is too large"},
        {"kind 0", [](auto &t) { t[4].Kind = (ControlKind)0; },
         L"CreateFromTemplate: entry 4: kind 0 is not a control kind (4 to 36); if this entry "
         L"lies past the template's end, the child count of entry 0 is too large"},
        {"child count too large", [](auto &t) { t[0].ChildCount = 3; },
         L"CreateFromTemplate: entry 5: kind 0 is not a control kind (4 to 36); if this entry "
         L"lies past the template's end, the child count of entry 0 is too large"},
        // Too small: the control left out leaves its Index unused.
        {"child count too small", [](auto &t) { t[0].ChildCount = 1; },
         L"CreateFromTemplate: entry 3 (chkTwo): Index 3 is outside 0 to 2 (the controls are "
         L"numbered from 0, one each)"},
        {"window of a control kind", [](auto &t) { t[0].Kind = KindLabel; },
         L"CreateFromTemplate: entry 0 (frmCheck): kind 4 cannot head a template: the first "
         L"entry is a dialog (1), an MDI frame (2) or a window (3)"},
        {"children outside a container", [](auto &t) { t[4].ChildCount = 1; },
         L"CreateFromTemplate: entry 4 (btnGo): ChildCount 1 on a kind that holds no controls "
         L"(only windows, group boxes, picture boxes, rebars and pagers do)"},
        {"duplicate Index", [](auto &t) { t[3].Index = 1; },
         L"CreateFromTemplate: entry 3 (chkTwo): Index 1 is used by entry 1"},
        {"Index from 1",
         [](auto &t) {
             for (size_t i = 1; i < 5; ++i)
                 t[i].Index += 1;
         },
         L"CreateFromTemplate: entry 3 (chkTwo): Index 4 is outside 0 to 3 (the controls are "
         L"numbered from 0, one each)"},
        {"unnamed window", [](auto &t) { t[0].Name = nullptr; },
         L"CreateFromTemplate: entry 0: the window has no Name"},
        {"thread without a procedure", [](auto &t) { t[4].Kind = KindThread; },
         L"CreateFromTemplate: entry 4 (btnGo): a thread entry has no EventProcedure to run"},
        {"Align out of range", [](auto &t) { t[1].Kind = KindPictureBox, t[1].Align = 5; },
         L"CreateFromTemplate: entry 1 (grpOne): Align 5 is not a DockEdge (0 to 4)"},
        {"WindowState", [](auto &t) { t[0].WindowState = 3; },
         L"CreateFromTemplate: entry 0 (frmCheck): WindowState 3 is outside -1 to 2"},
        {"PictureType", [](auto &t) { t[4].PictureType = 3; },
         L"CreateFromTemplate: entry 4 (btnGo): PictureType 3 is outside -1 to 2"},
        {"Alignment", [](auto &t) { t[1].Alignment = 3; },
         L"CreateFromTemplate: entry 1 (grpOne): Alignment 3 is outside 0 to 2"},
        {"check box Value", [](auto &t) { t[2].Value = 3; },
         L"CreateFromTemplate: entry 2 (chkOne): Value 3 is outside 0 to 2"},
        {"dialog resource missing", [](auto &t) { t[0].Kind = KindDialog, t[0].Id = 4321; },
         L"CreateFromTemplate: entry 0 (frmCheck): the program has no dialog resource 4321"},
    };
    ImportHook hook("kernel32.dll", "OutputDebugStringW", (void *)CapturedOutputDebugString);
    ASSERT_GT(hook.Patched, 0);
    {
        std::vector<WindowObject> t = GoodTemplate();
        DebugLines.clear();
        HWND window = (HWND)CreateFromTemplate(t.data(), nullptr, 0, nullptr);
        EXPECT_NE(nullptr, window) << "the unchanged template makes its window";
        EXPECT_TRUE(DebugLines.empty());
        DestroyWindow(window);
    }
    const long blocks = LiveBlocks();
    const uint32_t objects = ObjectTableUsed;
    const int windows = ThreadWindows();
    DebugLines.clear();
    EXPECT_EQ(0, CreateFromTemplate(nullptr, nullptr, 0, nullptr));
    EXPECT_EQ(std::vector<std::wstring>{L"CreateFromTemplate: entry 0: there is no template\n"},
              DebugLines);
    for (const Refusal &row : rows) {
        std::vector<WindowObject> t = GoodTemplate();
        row.Change(t);
        DebugLines.clear();
        EXPECT_EQ(0, CreateFromTemplate(t.data(), nullptr, 0, nullptr)) << row.Mistake;
        EXPECT_EQ(std::vector<std::wstring>{std::wstring(row.Line) + L"\n"}, DebugLines)
            << row.Mistake;
        EXPECT_EQ(blocks, LiveBlocks()) << row.Mistake;
        EXPECT_EQ(objects, ObjectTableUsed) << row.Mistake;
        EXPECT_EQ(windows, ThreadWindows()) << row.Mistake;
    }
}

} // namespace
