// Figures of the benchmarks: repeated samples reduced to median, minimum and
// maximum, compared with a baseline, and printed as one table.
#pragma once

#include <string>
#include <vector>

struct Spread {
    double Median, Min, Max;
};
Spread SpreadOf(std::vector<double> samples);

// One figure: what was measured against its baseline from the same run, and
// the largest ratio (or, without a baseline, the value) that meets the target.
struct Figure {
    std::string Name;
    std::string Unit;
    std::string Subject;
    Spread Measured;
    std::string BaselineName; // empty: no baseline, the target is a value
    Spread Baseline;
    double Limit;          // 0: shown for explanation, no target
    bool LimitIsExclusive; // the target is "below", not "at most"
};

bool HasTarget(const Figure &figure);
double RatioOf(const Figure &figure);
bool MeetsTarget(const Figure &figure);
void PrintTable(const std::vector<Figure> &figures);

// Ticks of the performance counter and their conversion.
long long CounterNow();
double SecondsBetween(long long start, long long end);
