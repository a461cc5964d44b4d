// The benchmark driver: initialises the runtime as the program entry does,
// runs the dispatch and start-up benchmarks and prints one table.
//   qnbench.exe [ROUNDS [BATCHES]]   (0 leaves that part out)
#include "bench/benchmarks.h"
#include "runtime/startup/startup.h"
#include "runtime/base/records.h"

#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>

static AppRecord BenchApp;
static ErrorTrapRecord BenchErrorTrap;

int main(int argc, char **argv) {
    const int rounds = argc > 1 ? atoi(argv[1]) : 21;
    const int batches = argc > 2 ? atoi(argv[2]) : 31;
    if (rounds < 0 || batches < 0) {
        fprintf(stderr, "usage: qnbench [ROUNDS [BATCHES]]\n");
        return 2;
    }
    BenchApp.Instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x8FFF};
    InitCommonControlsEx(&controls);
    RuntimeInitialize(L"Bench", L"qnbench.exe", L" Benchmarks", KindWindow, 0, &BenchApp,
                      &BenchErrorTrap, 1252);

    std::vector<Figure> figures;
    if (batches) {
        fprintf(stderr, "dispatch: %d batches of each...\n", batches);
        figures = DispatchFigures(batches);
    }
    if (rounds) {
        fprintf(stderr,
                "start-up: %d rounds of hand-written window, Settings with OK, bare window, "
                "Settings closed...\n",
                rounds);
        for (const Figure &figure : StartupFigures(rounds))
            figures.push_back(figure);
    }
    PrintTable(figures);
    return 0;
}
