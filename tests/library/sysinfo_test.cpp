// System information: version, 64-bit system, processor, controls by
// identifier and the environment's output pane.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>

#include "runtime/library/sysinfo.h"
#include "runtime/templates/control_items.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/library/text_forms.h"
#include "tests/support/object_windows.h"
#include "tests/support/template_builder.h"

namespace {

// Sets OsLevel and the service-pack text for one test.
struct SystemLevel {
    int SavedLevel = OsLevel;
    char SavedPack[ServicePackTextBytes];
    explicit SystemLevel(int level, const char *pack = "") {
        memcpy(SavedPack, ServicePackText, sizeof SavedPack);
        OsLevel = level;
        lstrcpynA(ServicePackText, pack, ServicePackTextBytes);
    }
    ~SystemLevel() {
        OsLevel = SavedLevel;
        memcpy(ServicePackText, SavedPack, sizeof SavedPack);
    }
};

template <class Ch> using SystemTexts = TextForms<Ch>;
TYPED_TEST_SUITE(SystemTexts, CharTypes);

TYPED_TEST(SystemTexts, VersionGivesTheLevelAndTheServicePackText) {
    SystemLevel xp(5, "Service Pack 3 \xE9");
    TypeParam pack[ServicePackTextBytes];
    EXPECT_EQ(GetOsVersion(pack), 5);
    EXPECT_EQ(std::basic_string<TypeParam>(pack), this->T("Service Pack 3 \xE9"));
    EXPECT_EQ(GetOsVersion(nullptr), 5);
}

TEST(System, SixtyFourBitPrefixIsSeenFromTheThirtyTwoBitProcess) {
    EXPECT_EQ(Is64BitSystem(), 1);
    EXPECT_EQ(IsWow64(GetCurrentProcess()), 1);
    SystemLevel windows2000(4);
    EXPECT_EQ(Is64BitSystem(), 0) << "not asked before Windows XP";
    EXPECT_EQ(IsWow64(GetCurrentProcess()), 0);
}

TEST(System, ProcessorReportsItsVendorSignatureAndFeatures) {
    ProcessorInfo info;
    memset(&info, 0xAA, sizeof info);
    ASSERT_EQ(GetProcessorInfo(&info), 1);
    EXPECT_EQ(strlen(info.Vendor), 12u);
    for (int i = 13; i < 16; ++i)
        EXPECT_EQ((unsigned char)info.Vendor[i], 0xAA) << "after the vendor's zero byte";
    for (char untouched : info.Reserved)
        EXPECT_EQ((unsigned char)untouched, 0xAA);
    EXPECT_EQ(info.Stepping | info.Model << 4 | info.Family << 8 | info.ProcessorType << 12,
              info.Signature & 0x3FFF);
    EXPECT_NE(info.Family, 0u);
    EXPECT_TRUE(info.StandardFeatures & 1) << "every x86 processor of this age has an FPU";
    EXPECT_TRUE(info.StandardFeatures & (1u << 26)) << "and SSE2 on a 64-bit host";
    EXPECT_EQ(GetProcessorInfo(nullptr), 0);
}

// A window whose option button lies two group boxes deep, and a thread.
struct NestedWindow {
    TemplateBuilder Builder{3};
    HWND Window = nullptr;
    NestedWindow() {
        Builder.Add(KindGroupBox, 0, L"grpOuter", L"Outer", 2);
        Builder.Add(KindGroupBox, 1, L"grpInner", L"Inner", 1);
        Builder.Add(KindOptionButton, 2, L"rdoDeep", L"Deep");
        Builder.Add(KindLabel, 3, L"lblAfter", L"After");
        WindowObject &holder = Builder.Add(KindImageListHolder, 4, L"imlList", L"");
        holder.PictureWidth = 16;
        holder.ItemHeight = 16;
        WindowObject &thread = Builder.Add(KindThread, 5, L"thrQuick", L"");
        thread.EventProcedure = reinterpret_cast<WNDPROC>(&QuickThread);
        thread.ThreadPriority = 2;
        Window = (HWND)CreateFromTemplate(Builder.Finish(), nullptr, 0, nullptr);
    }
    ~NestedWindow() {
        if (Window) DestroyWindow(Window);
    }
    static DWORD WINAPI QuickThread(void *) { return 0; }
};

TEST(ControlHandle, FoundInNestedGroupsFromTheWindowOrAnyOfItsControls) {
    const int threadsBefore = ThreadCount;
    NestedWindow nested;
    ASSERT_NE(nested.Window, nullptr);
    HWND deep = (HWND)GetControlHandle(nested.Window, ControlId(2));
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(GetDlgCtrlID(deep), 1002);
    HWND inner = (HWND)GetControlHandle(nested.Window, ControlId(1));
    EXPECT_EQ(GetParent(deep), inner) << "two levels down";
    EXPECT_EQ(GetParent(inner), (HWND)GetControlHandle(nested.Window, ControlId(0)));
    EXPECT_EQ((HWND)GetControlHandle(deep, ControlId(3)),
              GetDlgItem(GetParent(inner), ControlId(3)))
        << "a control's handle searches its whole window";
    EXPECT_EQ(GetControlHandle(nested.Window, 999), nullptr);
    EXPECT_EQ(GetControlHandle(nested.Window, ControlId(50)), nullptr);
    const HANDLE list = GetControlHandle(nested.Window, ControlId(4));
    EXPECT_NE(list, nullptr);
    EXPECT_EQ(list, (HANDLE)FindImageList(nested.Window, L"imlList"))
        << "an image-list holder gives its list";

    ASSERT_EQ(ThreadCount, threadsBefore + 1);
    const ThreadRecord &record = ThreadTable[threadsBefore];
    EXPECT_EQ(GetControlHandle(nested.Window, ControlId(5)), record.Thread);
    EXPECT_EQ(GetControlHandle(deep, ControlId(5)), record.Thread);

    ObjectWindows windows;
    HWND foreign = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    EXPECT_EQ(GetControlHandle(foreign, ControlId(2)), nullptr);
    EXPECT_EQ(GetControlHandle(nullptr, ControlId(2)), nullptr);
}

TEST(ControlHandle, NotFoundOnceMovedToAnotherWindow) {
    NestedWindow nested;
    ASSERT_NE(nested.Window, nullptr);
    HWND label = (HWND)GetControlHandle(nested.Window, ControlId(3));
    ASSERT_NE(label, nullptr);
    ObjectWindows windows;
    HWND other = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    SetParent(label, other);
    EXPECT_EQ(GetControlHandle(nested.Window, ControlId(3)), nullptr)
        << "it is no longer in the window";
    SetParent(label, nested.Window);
    EXPECT_EQ(GetControlHandle(nested.Window, ControlId(3)), label);
}

// A stand-in for a running environment: a window of the environment's class
// that answers the pane query with its edit control, or with 0.
const wchar_t EnvironmentClass[] = L"QN2RUNMDIWINDOWQuenlo";

LRESULT CALLBACK EnvironmentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 0x41D || message == WM_USER + 0x41F)
        RecordedMessages().push_back({window, message, wParam, lParam});
    if (message == WM_USER + 0x41D)
        return wParam == GetCurrentProcessId() ? GetWindowLongPtrW(window, GWLP_USERDATA) : 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

struct Environment {
    HWND Window = nullptr;
    HWND Pane = nullptr;
    explicit Environment(bool debugging) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = EnvironmentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = EnvironmentClass;
        RegisterClassW(&wc);
        Window = CreateWindowExW(0, EnvironmentClass, L"Quenlo", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                 200, nullptr, nullptr, wc.hInstance, nullptr);
        Pane = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100, Window,
                               nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(Window, GWLP_USERDATA, debugging ? (LONG_PTR)Pane : 0);
    }
    ~Environment() { DestroyWindow(Window); }
    std::wstring Text() const {
        wchar_t text[64] = {};
        GetWindowTextW(Pane, text, 64);
        return text;
    }
};

template <class Ch> using IdeOutput = TextForms<Ch>;
TYPED_TEST_SUITE(IdeOutput, CharTypes);

TYPED_TEST(IdeOutput, LinesGoToTheEnvironmentThatDebugsThisProcess) {
    Environment debugging(true);
    Environment other(false);
    RecordedMessages().clear();
    PrintToIdeOutput(this->T("abc\n").c_str(), 0);
    EXPECT_EQ(debugging.Text(), L"abc\r\n");
    EXPECT_EQ(other.Text(), L"");
    EXPECT_EQ(CountRecorded(other.Window, WM_USER + 0x41D), 1) << "asked first, answered 0";
    EXPECT_EQ(CountRecorded(other.Window, WM_USER + 0x41F), 0);
    EXPECT_EQ(CountRecorded(debugging.Window, WM_USER + 0x41F), 1);

    PrintToIdeOutput(this->T("ab\r\n").c_str(), 0);
    PrintToIdeOutput(this->T("\n").c_str(), 0);
    EXPECT_EQ(debugging.Text(), L"abc\r\nab\r\r\n\n\r\n");
    PrintToIdeOutput(this->T("new").c_str(), 1);
    EXPECT_EQ(debugging.Text(), L"new\r\n") << "clear replaces the pane's contents";
    PrintToIdeOutput(nullptr, 1);
    EXPECT_EQ(debugging.Text(), L"new\r\n");
}

TEST(IdeOutputWithoutEnvironment, NothingHappens) {
    Environment silent(false);
    RecordedMessages().clear();
    PrintToIdeOutputA("lost\n", 0);
    EXPECT_EQ(silent.Text(), L"");
    EXPECT_EQ(CountRecorded(silent.Window, WM_USER + 0x41F), 0);
}

} // namespace
