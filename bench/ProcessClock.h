#pragma once

// Time since the kernel started this process, for the start-up benches: the
// game's and the empty program it is measured against read it the same way.

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

inline double boottimeNow() {
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// When the kernel started this process, to the clock tick, on
// CLOCK_BOOTTIME's scale.
inline double processStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto afterName = text.rfind(')');
    if (afterName == std::string::npos)
        return boottimeNow();
    // Field 22, counting the name as field 2, is the start time in ticks.
    size_t at = afterName + 2;
    for (int field = 3; field < 22 && at != std::string::npos; ++field)
        at = text.find(' ', at) + 1;
    return std::atof(text.c_str() + at) / static_cast<double>(sysconf(_SC_CLK_TCK));
}
