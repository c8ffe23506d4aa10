// Timing for the benchmarks that run the tools as programs of their own:
// processor time (user and system) rather than the wall clock, which on a
// shared machine also counts the other processes' turns. Work spread over
// threads is timed on both clocks: its gain shows only on the wall clock.
#ifndef QUILLET_BENCH_CHILDRUNS_H
#define QUILLET_BENCH_CHILDRUNS_H

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

// Processor time of this process, in seconds.
double processorSeconds();

// Best processor time of reps runs of body.
template <typename F>
double bestSeconds(int reps, F &&body) {
    double best = 1e30;
    for (int r = 0; r < reps; ++r) {
        const double start = processorSeconds();
        body();
        best = std::min(best, processorSeconds() - start);
    }
    return best;
}

struct Times {
    double processor;  // every thread of this process
    double wall;       // elapsed
};

// The best processor time and the best wall-clock time of reps runs of body.
template <typename F>
Times bestTimes(int reps, F &&body) {
    Times best{1e30, 1e30};
    for (int r = 0; r < reps; ++r) {
        const double start = processorSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
        best.processor = std::min(best.processor, processorSeconds() - start);
        best.wall = std::min(best.wall, wall.count());
    }
    return best;
}

struct ChildRun {
    double seconds;      // processor time, user and system, of all its threads
    double wallSeconds;  // elapsed
    long peakMB;
    int status;
};

// Runs the command (a program path and its arguments) with its standard
// output to /dev/null.
ChildRun runChild(const std::vector<std::string> &command);

// The best time and the largest peak of reps runs.
ChildRun bestChildRun(int reps, const std::vector<std::string> &command);

#endif
