#pragma once

// Best-of-N timing shared by the reader benches, and their two ways of
// printing a comparison: a short table for people, key-value rows for
// scripts.
//
// Each comparison runs twice over: first with the allocator as it comes,
// which hands large blocks back to the system when freed, so every run
// touches fresh memory for what it builds; then with the allocator keeping
// freed memory, so the runs after the first reuse it. On a virtual machine
// where touching a fresh page is slow, the first can be mostly that cost,
// the same for both readers; the second is the readers' own work.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <string>
#include <vector>

// From here on, freed memory stays with the process for reuse.
inline void keepFreedMemory() {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

struct Times {
    std::vector<double> seconds;

    void add(double s) { seconds.push_back(s); }
    double best() const { return *std::min_element(seconds.begin(), seconds.end()); }
    double median() const {
        std::vector<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

// Seconds that f takes, by the steady clock.
template <typename F> double timeOf(F&& f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One line of a comparison: our reader against a reference over the same
// files, both timed in alternation so a busy machine slows both alike.
struct Comparison {
    std::string name;   // one word, for the rows
    std::string files;  // for people
    std::string memory; // "fresh" or "reused"
    int fileCount = 0;
    size_t bytes = 0;
    std::string reference;
    Times ours, theirs;

    // How many times faster ours is, by the best runs.
    double ratio() const { return theirs.best() / ours.best(); }
};

inline void printTable(const char* title, const std::vector<Comparison>& rows) {
    std::printf("%s\n", title);
    std::printf("%-26s %-7s %10s %10s %10s %7s   %s\n", "files", "memory", "ours ms", "ref ms",
                "reference", "ratio", "median ours / ref ms, runs");
    for (const Comparison& c : rows)
        std::printf("%-26s %-7s %10.3f %10.3f %10s %7.2f   %.3f / %.3f, %zu\n", c.files.c_str(),
                    c.memory.c_str(), c.ours.best() * 1e3, c.theirs.best() * 1e3,
                    c.reference.c_str(), c.ratio(), c.ours.median() * 1e3, c.theirs.median() * 1e3,
                    c.ours.seconds.size());
    std::printf("ms: best of the runs; ratio: reference time / our time (how many times faster "
                "ours is)\nmemory: fresh pages for every run, or freed memory reused\n");
}

// One line per comparison, space-separated keys and values, no spaces inside
// a value:
//   bench NAME memory fresh|reused files N bytes B ours_ms T ours_median_ms T
//   ref LIBRARY ref_ms T ref_median_ms T ratio R runs N
inline void printRows(const std::vector<Comparison>& rows) {
    for (const Comparison& c : rows)
        std::printf("bench %s memory %s files %d bytes %zu ours_ms %.3f ours_median_ms %.3f ref %s "
                    "ref_ms %.3f ref_median_ms %.3f ratio %.2f runs %zu\n",
                    c.name.c_str(), c.memory.c_str(), c.fileCount, c.bytes, c.ours.best() * 1e3,
                    c.ours.median() * 1e3, c.reference.c_str(), c.theirs.best() * 1e3,
                    c.theirs.median() * 1e3, c.ratio(), c.ours.seconds.size());
}
