#pragma once

// What every benchmark shares: the best of a few timed runs, one report line, a clean exit on
// failure.

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>

namespace Velmora::Bench {

inline constexpr int Runs = 5;

/// The best of Runs runs of `work`, in seconds; `prepare` runs untimed before each.
inline double best(const std::function<void()> &prepare, const std::function<void()> &work)
{
    double fastest = std::numeric_limits<double>::max();
    for (int run = 0; run < Runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, double(timer.nsecsElapsed()) / 1e9);
    }
    return fastest;
}

inline double best(const std::function<void()> &work)
{
    return best([] {}, work);
}

/// "what   123.4 MB/s  (5.6 ms)"
inline void report(const char *what, qint64 bytes, double seconds)
{
    std::printf("%-28s %8.1f MB/s  (%.1f ms)\n", what, double(bytes) / 1e6 / seconds, seconds * 1e3);
}

/// Says why on standard error, after the benchmark's name, and ends it.
[[noreturn]] inline void fail(const QString &why)
{
    std::fprintf(stderr, "%s: %s\n", VELMORA_BENCH_NAME, qPrintable(why));
    std::exit(1);
}

[[noreturn]] inline void fail(const char *why)
{
    fail(QString::fromUtf8(why));
}

} // namespace Velmora::Bench
