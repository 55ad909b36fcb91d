#pragma once

#include "app/Controls.h"
#include "app/cpu/Tactics.h"

#include <memory>

struct World;

// The computer's seats: which karts it drives, how well, and what it knows
// of the arena. The choice lasts across matches; the plans start afresh
// with each one.
struct CpuPlayers {
    bool drives[2] = {};
    CpuLevel level = CPU_NORMAL;
    PlayerControls last[2]; // what it did on the last step it drove
    // The arena's grid and routes, built on the first step a seat is driven.
    std::unique_ptr<Tactics> tactics;

    CpuPlayers();
    ~CpuPlayers();

    // Set up again, the arena may be another: its grid goes.
    void forgetArena() { tactics.reset(); }
    // Both karts' plans from scratch.
    void newMatch(const World& world);
};

// Once a step, in place of the player's keys and pad: the controls of each
// kart the CPU drives.
void driveCpuSeats(World& world, PlayerControls (&controls)[2], float dt);

const char* cpuLevelName(CpuLevel level); // "easy", "normal", "hard"
