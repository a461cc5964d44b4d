// The benchmarks the driver runs; each returns its figures for the table.
#pragma once

#include <vector>

#include "bench/figures.h"

// Start-up, closing and footprint of Settings.exe against the hand-written
// and the bare window: rounds of alternating child-process runs (one warm-up
// round first).
std::vector<Figure> StartupFigures(int rounds);

// One SendMessage of a message nobody handles, to a runtime control against
// a plain DefWindowProc window, with 12 and with 1,000 controls in the window.
std::vector<Figure> DispatchFigures(int batches);
