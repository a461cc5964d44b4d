// Figures of the benchmarks: repeated samples reduced to median, minimum and
// maximum, compared with one or more baselines, and printed as one table.
#pragma once

#include <string>
#include <vector>

struct Spread {
    double Median, Min, Max;
};
Spread SpreadOf(std::vector<double> samples);
// The ratio of each measured sample to the baseline sample taken beside it
// (same round or batch), reduced the same way.
Spread RatioSpreadOf(const std::vector<double> &measured, const std::vector<double> &baseline);

// One baseline of a figure, with the ratio of the measured figure to it and
// the largest median ratio that meets the target (0: shown for explanation).
struct Baseline {
    std::string Name;
    Spread Values;
    Spread Ratio;
    double Limit;
};

// One figure: what was measured and its baselines from the same run; without
// a baseline, the limit is the value's own target.
struct Figure {
    std::string Name;
    std::string Unit;
    std::string Subject;
    Spread Measured;
    std::vector<Baseline> Baselines;
    double Limit;          // value figures: 0 for no target
    bool LimitIsExclusive; // value figures: the target is "below", not "at most"
};

Baseline BaselineOf(const std::string &name, const std::vector<double> &measured,
                    const std::vector<double> &baseline, double limit);
void PrintTable(const std::vector<Figure> &figures);

// Ticks of the performance counter and their conversion.
long long CounterNow();
double SecondsBetween(long long start, long long end);
