#include "app/cpu/CpuPlayers.h"

#include "app/World.h"

CpuPlayers::CpuPlayers() = default;
CpuPlayers::~CpuPlayers() = default;

void CpuPlayers::newMatch(const World& world) {
    if (tactics != nullptr)
        for (int k = 0; k < 2; ++k)
            tactics->restart(world, k);
}

void driveCpuSeats(World& world, PlayerControls (&controls)[2], float dt) {
    CpuPlayers& cpu = world.cpu;
    if (!cpu.drives[0] && !cpu.drives[1])
        return;
    if (cpu.tactics == nullptr)
        cpu.tactics = std::make_unique<Tactics>(world);
    for (int k = 0; k < 2; ++k)
        if (cpu.drives[k])
            controls[k] = cpu.last[k] = cpu.tactics->controlsFor(world, k, cpu.level, dt);
}

const char* cpuLevelName(CpuLevel level) {
    switch (level) {
    case CPU_EASY:
        return "easy";
    case CPU_HARD:
        return "hard";
    default:
        return "normal";
    }
}

void toggleCpu(World& world, int player) {
    if (world.paused || player < 0 || player > 1)
        return;
    CpuPlayers& cpu = world.cpu;
    cpu.drives[player] = !cpu.drives[player];
    // Taking the seat mid-match, it starts from where the kart stands.
    if (cpu.drives[player] && cpu.tactics != nullptr)
        cpu.tactics->restart(world, player);
}

void cycleCpuLevel(World& world) {
    if (world.paused)
        return;
    world.cpu.level = static_cast<CpuLevel>((world.cpu.level + 1) % CPU_LEVELS);
}
