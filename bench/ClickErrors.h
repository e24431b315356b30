#pragma once
// The figures the timing benchmarks print: errors of press-to-press gaps
// against a schedule, in whole milliseconds of the X server's clock.

#include "tests/e2e/support/XSession.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace bench {

struct ErrorFigures {
    size_t gaps = 0;
    double meanMs = 0;
    double meanAbsMs = 0; // early and late alike
    double p99Ms = 0;
    double maxMs = 0;
    std::map<qint64, int> histogram; // error -> gaps
};

inline ErrorFigures summarize(std::vector<qint64> errors) {
    ErrorFigures figures;
    figures.gaps = errors.size();
    if (errors.empty())
        return figures;
    double sum = 0;
    double sumAbs = 0;
    for (qint64 error : errors) {
        sum += static_cast<double>(error);
        sumAbs += std::abs(static_cast<double>(error));
        ++figures.histogram[error];
    }
    figures.meanMs = sum / static_cast<double>(errors.size());
    figures.meanAbsMs = sumAbs / static_cast<double>(errors.size());
    std::sort(errors.begin(), errors.end());
    const auto p99 = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(errors.size()))) - 1;
    figures.p99Ms = static_cast<double>(errors[std::min(p99, errors.size() - 1)]);
    figures.maxMs = static_cast<double>(errors.back());
    return figures;
}

// For a schedule of "the click, then a wait of delayMs": each gap between
// two presses against the press-to-release time of the first plus delayMs.
inline std::vector<qint64> errorsAfterEachClick(const std::vector<e2e::Click> &log, int delayMs) {
    std::vector<qint64> errors;
    const e2e::Click *press = nullptr;
    const e2e::Click *release = nullptr;
    for (const e2e::Click &click : log) {
        if (!click.press) {
            if (press && !release)
                release = &click;
            continue;
        }
        if (press && release)
            errors.push_back(e2e::serverGapMs(*press, click) - e2e::serverGapMs(*press, *release) - delayMs);
        press = &click;
        release = nullptr;
    }
    return errors;
}

inline void print(const char *who, const ErrorFigures &figures) {
    std::printf("%-24s gaps %3zu  error mean %5.2f ms  mean size %5.2f ms  p99 %5.2f ms  max %5.2f ms\n", who,
                figures.gaps, figures.meanMs, figures.meanAbsMs, figures.p99Ms, figures.maxMs);
    std::printf("%-24s by error:", "");
    for (const auto &[error, gaps] : figures.histogram)
        std::printf(" %+lld ms: %d", static_cast<long long>(error), gaps);
    std::printf("\n");
}

} // namespace bench
