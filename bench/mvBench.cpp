// The benchmark program: an offscreen application with the dialog fonts, running every
// registered case (or those whose name contains the first argument) and printing its figures.
#include "mvBench.h"

#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/offscreenApplication.h"

namespace {

struct BenchCase {
    const char* name;
    BenchFunction run;
};

std::vector<BenchCase>& Cases() {
    static std::vector<BenchCase> cases;
    return cases;
}

} // namespace

BenchRegistrar::BenchRegistrar(const char* name, BenchFunction run) {
    Cases().push_back({name, run});
}

void BenchReport::Figure(const QString& what, const QString& input, double value, double target,
                         const char* unit) {
    const bool met = value < target;
    if (!met) ++misses_;
    std::printf("  %-52s %-28s %9.3f %s  (target < %g %s)%s\n", qPrintable(what), qPrintable(input),
                value, unit, target, unit, met ? "" : "  MISSED");
    std::fflush(stdout);
}

double MedianMs(int repeats, const std::function<void()>& step,
                const std::function<void()>& prepare) {
    std::vector<double> times;
    for (int i = 0; i < std::max(1, repeats); ++i) {
        if (prepare) prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int main(int argc, char** argv) {
    TmvOffscreenApplication app(argc, argv);

    const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::vector<BenchCase> cases = Cases();
    std::sort(cases.begin(), cases.end(),
              [](const BenchCase& a, const BenchCase& b) { return qstrcmp(a.name, b.name) < 0; });
    std::printf("Marovel benchmarks on %d cores\n", QThread::idealThreadCount());
    BenchReport report;
    for (const BenchCase& c : cases) {
        if (!filter.isEmpty() && !QString::fromLatin1(c.name).contains(filter, Qt::CaseInsensitive))
            continue;
        std::printf("%s\n", c.name);
        c.run(report);
    }
    std::printf("%d figure(s) missed their target\n", report.Misses());
    return 0;
}
