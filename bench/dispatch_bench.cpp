// Dispatch cost: SendMessage of a message nobody handles to the control a
// runtime window created last, against a plain window whose procedure is
// DefWindowProc.
#include "bench/benchmarks.h"
#include "runtime/library/sysinfo.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
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

// What any subclassing costs before the runtime does anything: a label of
// the same class whose procedure only hands each message on with
// CallWindowProc.
WNDPROC LabelProcedure;

LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(LabelProcedure, window, message, wParam, lParam);
}

HWND CreateBareLabel(HWND parent) {
    HWND label = CreateWindowExA(0, "STATIC", "Item", WS_CHILD | WS_VISIBLE, 0, 0, 100, 18, parent,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (label) LabelProcedure = (WNDPROC)SetWindowLongA(label, GWLP_WNDPROC, (LONG_PTR)PassOn);
    return label;
}

// Batches to each target in turn, the plain window last, so that all of
// them see the same machine; the samples of each, the plain window's last.
std::vector<std::vector<double>> Rotate(std::vector<HWND> targets, HWND plain, int batches) {
    targets.push_back(plain);
    std::vector<std::vector<double>> samples(targets.size());
    for (HWND target : targets)
        NanosecondsPerMessage(target);
    for (int batch = 0; batch < batches; ++batch)
        for (size_t i = 0; i < targets.size(); ++i)
            samples[i].push_back(NanosecondsPerMessage(targets[i]));
    return samples;
}

Figure AgainstPlain(const std::string &name, const char *subject,
                    const std::vector<double> &measured, const std::vector<double> &plain,
                    double limit) {
    return {name,
            "ns",
            subject,
            SpreadOf(measured),
            {BaselineOf("DefWindowProc window", measured, plain, limit)},
            0,
            false};
}

// A runtime window of labels; with the floor, a bare label in the same
// window is measured in the same rotation.
void MeasureDispatch(int controls, double limit, bool withFloor, HWND plain, int batches,
                     std::vector<Figure> *figures) {
    TemplateBuilder builder(controls);
    for (int i = 0; i < controls; ++i)
        builder.Add(KindLabel, i, L"lblItem", L"Item");
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    HWND target = LastControl(window, controls);
    HWND bare = target && withFloor ? CreateBareLabel(window) : nullptr;
    if (!target || (withFloor && !bare)) {
        fprintf(stderr, "the window of %d labels was not created as expected\n", controls);
    } else {
        std::vector<HWND> targets = {target};
        if (bare) targets.push_back(bare);
        const auto samples = Rotate(targets, plain, batches);
        const std::string name = "dispatch, " + std::to_string(controls) + " controls";
        figures->push_back(AgainstPlain(name, "runtime label", samples[0], samples.back(), limit));
        if (bare)
            figures->push_back(AgainstPlain("dispatch floor: bare subclass",
                                            "label + CallWindowProc only", samples[1],
                                            samples.back(), 0));
    }
    if (window) DestroyWindow(window);
}

} // namespace

std::vector<Figure> DispatchFigures(int batches) {
    std::vector<Figure> figures;
    HWND plain = CreatePlainWindow();
    if (!plain) {
        fprintf(stderr, "no plain window: is there a display?\n");
        return figures;
    }
    MeasureDispatch(12, 1.5, true, plain, batches, &figures);
    MeasureDispatch(1000, 2.0, false, plain, batches, &figures);
    DestroyWindow(plain);
    return figures;
}
