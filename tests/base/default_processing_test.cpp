// Default processing by kind: what a plain system window answers once the
// runtime holds an object for it shows whose default processing ran.
#include <gtest/gtest.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

namespace {

TEST(DefaultProcessing, EachKindFallsBackToItsOwnDefault) {
    HWND window = CreateWindowExA(0, "STATIC", "Seven", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(-1, DefaultProcedure(window, WM_GETTEXTLENGTH, 0, 0)) << "no object";
    // The static class answers WM_GETDLGCODE, the plain default does not:
    // windows and pictures take the plain default, controls the procedure
    // they replaced.
    const WNDPROC staticProcedure = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    struct Row {
        ControlKind Kind;
        LRESULT Default;
    } rows[] = {{KindWindow, 0},
                {KindMdiFrame, 0},
                {KindPictureBox, 0},
                {KindLabel, DLGC_STATIC},
                {KindTextBox, DLGC_STATIC}};
    for (const Row &row : rows) {
        WindowObject object{};
        object.Kind = row.Kind;
        object.PreviousProcedure = staticProcedure;
        AddObject(window, &object);
        EXPECT_EQ(row.Default, DefaultProcedure(window, WM_GETDLGCODE, 0, 0))
            << "kind " << row.Kind;
        EXPECT_EQ(row.Default, DefaultProcessing(&object, window, WM_GETDLGCODE, 0, 0))
            << "kind " << row.Kind;
        EXPECT_EQ(5, DefaultProcedure(window, WM_GETTEXTLENGTH, 0, 0)) << "kind " << row.Kind;
        RemoveObject(window, nullptr);
    }
    // A group box's default is the procedure it replaced: the static class
    // answers WM_GETDLGCODE, the plain default does not.
    WindowObject group{};
    group.Kind = KindGroupBox;
    group.PreviousProcedure = staticProcedure;
    EXPECT_EQ(DLGC_STATIC, WindowDefaultProcessing(&group, window, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(0, WindowDefaultProcessing(nullptr, window, WM_GETDLGCODE, 0, 0));
    DestroyWindow(window);
}

} // namespace
