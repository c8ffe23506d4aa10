// Timing for the benchmarks that run the tools as programs of their own:
// processor time (user and system) rather than the wall clock, which on a
// shared machine also counts the other processes' turns.
#ifndef QUILLET_BENCH_CHILDRUNS_H
#define QUILLET_BENCH_CHILDRUNS_H

#include <algorithm>
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
