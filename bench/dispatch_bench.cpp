// Dispatch cost: SendMessage of a message nobody handles to the control a
// runtime window created last, against a plain window whose procedure is
// DefWindowProc.
#include "bench/benchmarks.h"
#include "runtime/library/sysinfo.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/templates/templates.h"
#include "tests/support/template_builder.h"

#include <windows.h>
#include <stdio.h>

namespace {

// Clear of the runtime's own messages (0x806, 0x813 to 0x81F) and of every
// message the runtime or the label class acts on; above WM_APP, where the
// label class does not report it as unknown either.
const UINT UnhandledMessage = WM_APP + 0x500;
const int MessagesPerBatch = 20000;

double NanosecondsPerMessage(HWND target) {
    const long long start = CounterNow();
    for (int i = 0; i < MessagesPerBatch; ++i)
        SendMessageA(target, UnhandledMessage, (WPARAM)i, 0);
    return SecondsBetween(start, CounterNow()) * 1e9 / MessagesPerBatch;
}

HWND CreatePlainWindow() {
    WNDCLASSA plain = {};
    plain.lpfnWndProc = DefWindowProcA;
    plain.hInstance = GetModuleHandleA(nullptr);
    plain.lpszClassName = "QnBenchPlainWindow";
    RegisterClassA(&plain);
    return CreateWindowExA(0, plain.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, plain.hInstance, nullptr);
}

// The last label of the window is also the last pair of the object table, the
// longest way for a search from the table's start.
HWND LastControl(HWND window, int controls) {
    HWND last = window ? (HWND)GetControlHandle(window, 1000 + controls - 1) : nullptr;
    const HWND *pairs = (const HWND *)ObjectTable;
    if (!last || pairs[2 * (ObjectTableUsed / 8 - 1)] != last) return nullptr;
    return last;
}

// Batches to the target and to the plain window, alternating.
Figure Alternate(const char *name, const char *subject, HWND target, HWND plain, int batches,
                 double limit) {
    std::vector<double> measured, baseline;
    NanosecondsPerMessage(target);
    NanosecondsPerMessage(plain);
    for (int batch = 0; batch < batches; ++batch) {
        measured.push_back(NanosecondsPerMessage(target));
        baseline.push_back(NanosecondsPerMessage(plain));
    }
    return {name,  "ns", subject, SpreadOf(measured), "DefWindowProc window", SpreadOf(baseline),
            limit, false};
}

bool MeasureDispatch(int controls, int batches, double limit, HWND plain, Figure *figure) {
    TemplateBuilder builder(controls);
    for (int i = 0; i < controls; ++i)
        builder.Add(KindLabel, i, L"lblItem", L"Item");
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    HWND target = LastControl(window, controls);
    if (target) {
        char name[64];
        snprintf(name, sizeof name, "dispatch, %d controls", controls);
        *figure = Alternate(name, "runtime label", target, plain, batches, limit);
    } else {
        fprintf(stderr, "the window of %d labels was not created as expected\n", controls);
    }
    if (window) DestroyWindow(window);
    return target != nullptr;
}

// What any subclassing costs before the runtime does anything: a label whose
// procedure only hands each message to the label class with CallWindowProc.
WNDPROC LabelProcedure;

LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(LabelProcedure, window, message, wParam, lParam);
}

bool MeasureBareSubclass(int batches, HWND plain, Figure *figure) {
    HWND label = CreateWindowExA(0, "STATIC", "Item", WS_CHILD | WS_VISIBLE, 0, 0, 100, 18, plain,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!label) return false;
    LabelProcedure = (WNDPROC)SetWindowLongA(label, GWLP_WNDPROC, (LONG_PTR)PassOn);
    *figure = Alternate("dispatch floor: bare subclass", "label + CallWindowProc only", label,
                        plain, batches, 0);
    DestroyWindow(label);
    return true;
}

} // namespace

std::vector<Figure> DispatchFigures(int batches) {
    std::vector<Figure> figures;
    HWND plain = CreatePlainWindow();
    if (!plain) {
        fprintf(stderr, "no plain window: is there a display?\n");
        return figures;
    }
    Figure figure;
    if (MeasureDispatch(12, batches, 1.5, plain, &figure)) figures.push_back(figure);
    if (MeasureDispatch(1000, batches, 2.0, plain, &figure)) figures.push_back(figure);
    if (MeasureBareSubclass(batches, plain, &figure)) figures.push_back(figure);
    DestroyWindow(plain);
    return figures;
}
