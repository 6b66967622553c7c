#pragma once
// The benchmark program's registry: each bench*.cpp file registers its cases with MAROVEL_BENCH
// and reports one figure a measured step, with the input size and the target it must meet.
#include <QString>
#include <chrono>
#include <functional>

class BenchReport {
public:
    // One line: what was measured, on what input, the value one step took and the value it is
    // meant to stay under, both in `unit` (milliseconds unless said otherwise).
    void Figure(const QString& what, const QString& input, double value, double target,
                const char* unit = "ms");
    int Misses() const { return misses_; }

private:
    int misses_ = 0;
};

using BenchFunction = void (*)(BenchReport&);

struct BenchRegistrar {
    BenchRegistrar(const char* name, BenchFunction run);
};

// The median, in milliseconds, of `repeats` runs of `step`; `prepare` runs untimed before each.
double MedianMs(int repeats, const std::function<void()>& step,
                const std::function<void()>& prepare = {});

#define MAROVEL_BENCH(name)                                                                        \
    static void name(BenchReport& report);                                                         \
    static const BenchRegistrar name##Registrar(#name, name);                                      \
    static void name(BenchReport& report)
