// Medians, ratios and the printed table of the benchmark figures.
#include "bench/figures.h"

#include <windows.h>
#include <algorithm>
#include <stdio.h>

Spread SpreadOf(std::vector<double> samples) {
    if (samples.empty()) return {0, 0, 0};
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

Spread RatioSpreadOf(const std::vector<double> &measured, const std::vector<double> &baseline) {
    std::vector<double> ratios;
    for (size_t i = 0; i < measured.size() && i < baseline.size(); ++i)
        if (baseline[i] > 0) ratios.push_back(measured[i] / baseline[i]);
    return SpreadOf(ratios);
}

Baseline BaselineOf(const std::string &name, const std::vector<double> &measured,
                    const std::vector<double> &baseline, double limit) {
    return {name, SpreadOf(baseline), RatioSpreadOf(measured, baseline), limit};
}

static std::string Number(double value) {
    char text[32];
    snprintf(text, sizeof text, value >= 100 ? "%.0f" : value >= 10 ? "%.1f" : "%.2f", value);
    return text;
}

static std::string Ratio(double value) {
    char text[16];
    snprintf(text, sizeof text, "%.2f", value);
    return text;
}

static const char *Met(bool met) {
    return met ? "yes" : "NO";
}

static void PrintLine(const std::string &figure, const std::string &run, const Spread &spread,
                      const std::string &ratio, const std::string &ratioRange,
                      const std::string &target, const std::string &met) {
    printf("%-30s %-26s %8s %8s %8s %6s %11s %9s %4s\n", figure.c_str(), run.c_str(),
           Number(spread.Median).c_str(), Number(spread.Min).c_str(), Number(spread.Max).c_str(),
           ratio.c_str(), ratioRange.c_str(), target.c_str(), met.c_str());
}

static void PrintValueFigure(const std::string &name, const Figure &figure) {
    if (figure.Limit <= 0) {
        PrintLine(name, figure.Subject, figure.Measured, "", "", "-", "");
        return;
    }
    const double value = figure.Measured.Median;
    const bool met = figure.LimitIsExclusive ? value < figure.Limit : value <= figure.Limit;
    const std::string target =
        (figure.LimitIsExclusive ? "< " : "<= ") + Number(figure.Limit) + " " + figure.Unit;
    PrintLine(name, figure.Subject, figure.Measured, "", "", target, Met(met));
}

// The measured run on the figure's line, then one line per baseline with
// the ratio of the measured run to it: median, and minimum-maximum over the
// rounds.
void PrintTable(const std::vector<Figure> &figures) {
    printf("%-30s %-26s %8s %8s %8s %6s %11s %9s %4s\n", "figure", "run", "median", "min", "max",
           "ratio", "ratio range", "target", "met");
    for (const Figure &figure : figures) {
        const std::string name = figure.Name + " (" + figure.Unit + ")";
        if (figure.Baselines.empty()) {
            PrintValueFigure(name, figure);
            continue;
        }
        PrintLine(name, figure.Subject, figure.Measured, "", "", "", "");
        for (const Baseline &baseline : figure.Baselines) {
            const std::string range = Ratio(baseline.Ratio.Min) + "-" + Ratio(baseline.Ratio.Max);
            const bool hasTarget = baseline.Limit > 0;
            PrintLine("", "  vs " + baseline.Name, baseline.Values, Ratio(baseline.Ratio.Median),
                      range, hasTarget ? "<= " + Ratio(baseline.Limit) + "x" : "-",
                      hasTarget ? Met(baseline.Ratio.Median <= baseline.Limit) : "");
        }
    }
    fflush(stdout);
}

long long CounterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double SecondsBetween(long long start, long long end) {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    return (double)(end - start) / (double)frequency.QuadPart;
}
