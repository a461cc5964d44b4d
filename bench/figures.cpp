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

bool HasTarget(const Figure &figure) {
    return figure.Limit > 0;
}

double RatioOf(const Figure &figure) {
    if (figure.BaselineName.empty() || figure.Baseline.Median <= 0) return 0;
    return figure.Measured.Median / figure.Baseline.Median;
}

bool MeetsTarget(const Figure &figure) {
    if (!HasTarget(figure)) return true;
    const double value = figure.BaselineName.empty() ? figure.Measured.Median : RatioOf(figure);
    return figure.LimitIsExclusive ? value < figure.Limit : value <= figure.Limit;
}

static std::string Number(double value) {
    char text[32];
    snprintf(text, sizeof text, value >= 100 ? "%.0f" : value >= 10 ? "%.1f" : "%.2f", value);
    return text;
}

static std::string TargetText(const Figure &figure) {
    if (!HasTarget(figure)) return "-";
    const char *relation = figure.LimitIsExclusive ? "< " : "<= ";
    if (figure.BaselineName.empty()) return relation + Number(figure.Limit) + " " + figure.Unit;
    return relation + Number(figure.Limit) + "x";
}

static void PrintLine(const std::string &figure, const std::string &subject, const Spread &spread,
                      const std::string &ratio, const std::string &target, const std::string &met) {
    printf("%-34s %-24s %9s %9s %9s %7s %13s %4s\n", figure.c_str(), subject.c_str(),
           Number(spread.Median).c_str(), Number(spread.Min).c_str(), Number(spread.Max).c_str(),
           ratio.c_str(), target.c_str(), met.c_str());
}

void PrintTable(const std::vector<Figure> &figures) {
    printf("%-34s %-24s %9s %9s %9s %7s %13s %4s\n", "figure", "run", "median", "min", "max",
           "ratio", "target", "met");
    for (const Figure &figure : figures) {
        const std::string name = figure.Name + " (" + figure.Unit + ")";
        const std::string met = !HasTarget(figure) ? "" : MeetsTarget(figure) ? "yes" : "NO";
        if (figure.BaselineName.empty()) {
            PrintLine(name, figure.Subject, figure.Measured, "", TargetText(figure), met);
            continue;
        }
        char ratio[16];
        snprintf(ratio, sizeof ratio, "%.2f", RatioOf(figure));
        PrintLine(name, figure.Subject, figure.Measured, ratio, TargetText(figure), met);
        PrintLine("", figure.BaselineName, figure.Baseline, "", "", "");
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
