#pragma once

// How well the computer drives.
enum CpuLevel : int { CPU_EASY, CPU_NORMAL, CPU_HARD };
constexpr int CPU_LEVELS = 3;
