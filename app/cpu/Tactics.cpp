#include "app/cpu/Tactics.h"

#include "app/TagRules.h"
#include "app/World.h"
#include "app/cpu/Flat.h"

#include <algorithm>
#include <cmath>

namespace {

// Routes to points within this of each other are one route.
constexpr float SHARE = 1.0f;
// A checkpoint's route ends this far inside its sphere, so that a kart
// sent to another point within SHARE still gets in.
constexpr float CHECKPOINT_MARGIN = SHARE + 0.5f;

// Coconuts: thrown at most this far, and a kart is hit within HIT_REACH of
// one's path (its half diagonal and the coconut's radius, less a margin).
constexpr float THROW_RANGE = 50;
constexpr float THROW_NEAREST = 8;  // nearer, it would only drive into the spinning kart
constexpr float COCONUT_SPEED = 50; // units a second, along the thrower's heading
constexpr float HIT_REACH = 1.8f;

// Tag: places all over both levels a kart on the run can make for.
constexpr Vec3 REFUGES[] = {
    {-145, -10, 95}, {145, -10, 95}, {-145, -10, -5}, {145, -10, -5}, {0, 0, 135},
    {-60, 0, 45},    {60, 0, 45},    {0, -15, 25},    {0, -15, 65},   {-110, 0, -5},
    {110, 0, 95},    {-110, 0, 95},  {110, 0, -5},
};
constexpr int REFUGE_COUNT = sizeof REFUGES / sizeof REFUGES[0];
constexpr float REFUGE_REACH = 3;
constexpr float REFUGE_SECONDS = 1.5f; // between second thoughts
constexpr float REFUGE_THERE = 10;     // route cost at which it is as good as there
constexpr float REFUGE_ARRIVAL = 8;
// The chaser aims where the other kart will be by the time it gets there,
// looking at most this far ahead.
constexpr float LEAD_MOST = 1.5f;
constexpr float LEAD_SPEED_FLOOR = 5;

// Ball game: a kart makes for a spot BEHIND the ball on the far side from
// the goal; there it creeps round to face the ball, and once in line it
// charges through the ball. A kick goes from the kart's centre to the
// ball's, so being in line matters more than the heading.
constexpr float BEHIND = 8;
constexpr float LINE_UP_REACH = 3; // from the spot behind
constexpr float LINE_UP_SPEED = 3;
constexpr float IN_LINE = 1;         // across the line of the push
constexpr float FACING = 0.3f;       // radians off the ball
constexpr float TOO_CLOSE = 3.5f;    // along the push, still lining up
constexpr float CHARGE_WIDTH = 2.5f; // a charge gone wider than this is given up
constexpr float THROUGH = 4;         // charges at a point this far past the ball's centre
constexpr float WIDE = 7;            // goes round the ball this far out
constexpr float MAKE_FOR_SPEED = 8;
// A ball that has not moved BALL_MOVED for this long gets a charge anyhow.
constexpr float BALL_MOVED = 1;
constexpr float BALL_STILL_SECONDS = 5;
// Pushes tried when a lamp or post stands in the way of the straight one:
// off the line to the goal by these many radians, and kept this clear.
constexpr float PUSH_TURNS[] = {0, 0.26f, -0.26f, 0.52f, -0.52f, 0.79f, -0.79f};
constexpr float RUN_ROOM = 1.0f;
// Out of a corner, a kart pushes the ball toward here, on its goal's half.
constexpr Vec3 CLEARING[2] = {{60, 0, 45}, {-60, 0, 45}};
// Where the ball can be driven to: the field, less a margin at its edges.
constexpr float EDGE_MARGIN_X = 2, EDGE_MARGIN_Z = 1.5f;
constexpr float FIELD_MIN_X = BALL_FIELD_MIN_X + EDGE_MARGIN_X;
constexpr float FIELD_MAX_X = BALL_FIELD_MAX_X - EDGE_MARGIN_X;
constexpr float FIELD_MIN_Z = BALL_FIELD_MIN_Z + EDGE_MARGIN_Z;
constexpr float FIELD_MAX_Z = BALL_FIELD_MAX_Z - EDGE_MARGIN_Z;

bool sameVec(Vec3 a, Vec3 b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

Vec3 onField(float x, float z) {
    return {std::clamp(x, FIELD_MIN_X, FIELD_MAX_X), FIELD_Y,
            std::clamp(z, FIELD_MIN_Z, FIELD_MAX_Z)};
}

Vec3 pointOf(const Checkpoint& c) {
    return {c.x, c.y, c.z};
}

// Seconds each level waits between throws: a kart spun out and hit again
// the moment it comes round would never race again.
constexpr float THROW_PAUSE[CPU_LEVELS] = {0, 6, 3};

// The fraction of the fastest descent each level dares down a ramp.
constexpr float DOWNHILL_SHARE[CPU_LEVELS] = {0.6f, 0.7f, 0.75f};

} // namespace

DrivingStyle drivingStyle(CpuLevel level) {
    DrivingStyle s;
    s.downhillSpeed = DOWNHILL_SHARE[level] * glideSpeed();
    switch (level) {
    case CPU_EASY:
        s.turnRate = 0.9f;
        s.topSpeed = 18;
        s.bendRoom = 7;
        s.liftsInTurns = true;
        break;
    case CPU_NORMAL:
        s.turnRate = 1.1f;
        s.topSpeed = 20;
        s.slides = true;
        break;
    case CPU_HARD:
        s.turnRate = 1.35f;
        s.topSpeed = 35;
        s.bendRoom = 10;
        s.boosts = true;
        break;
    }
    return s;
}

bool inLineOfFire(const Kart& thrower, const Kart& target, bool lead) {
    const float dx = std::sin(thrower.heading), dz = std::cos(thrower.heading);
    const float rx = target.position.x - thrower.position.x;
    const float rz = target.position.z - thrower.position.z;
    const float gap = std::hypot(rx, rz);
    if (gap > THROW_RANGE || gap < THROW_NEAREST || rx * dx + rz * dz <= 0)
        return false;
    // Relative to the coconut, the target moves at its own velocity less
    // the coconut's: the nearest it comes, from now on.
    const float vx = (lead ? target.speed * std::sin(target.heading) : 0) - COCONUT_SPEED * dx;
    const float vz = (lead ? target.speed * std::cos(target.heading) : 0) - COCONUT_SPEED * dz;
    const float t = std::max(0.0f, -(rx * vx + rz * vz) / (vx * vx + vz * vz));
    return std::hypot(rx + vx * t, rz + vz * t) < HIT_REACH;
}

const RouteField* RouteCache::to(const NavGrid& grid, Vec3 p, float radius) {
    for (const auto& e : entries)
        if (length3(subtract(e->point, p)) <= SHARE)
            return &e->field;
    auto entry = std::make_unique<Entry>();
    entry->point = p;
    const std::vector<NodeId> goals = nodesNear(grid, p, radius);
    if (goals.empty())
        return nullptr;
    searchFrom(grid, goals, entry->field);
    entries.push_back(std::move(entry));
    return &entries.back()->field;
}

Tactics::Tactics(const World& world) {
    buildNavGrid(grid, world);
    for (int k = 0; k < 2; ++k)
        restart(world, k);
}

void Tactics::restart(const World& world, int k) {
    plans[k] = KartPlan{};
    plans[k].driver.restart(world.karts[k].position);
}

Aim Tactics::raceAim(const World& world, int k) {
    const CheckpointList& course = world.karts[k].checkpoints;
    Aim aim;
    if (course.count == 0) {
        aim.point = world.karts[k].position;
        aim.topSpeed = 0;
        return aim;
    }
    int index = course.index, next = index + 1;
    if (course.isFinished()) {
        // Past the finish it drives on round the circuit, out of the way.
        const Kart& kart = world.karts[k];
        int& lap = plans[k].victoryLap;
        if (course.points[lap % course.count].reached(kart.position.x, kart.position.y,
                                                      kart.position.z))
            ++lap;
        index = lap % course.count;
        next = (index + 1) % course.count;
    }
    const Checkpoint& point = course.points[index];
    aim.point = pointOf(point);
    aim.field = routes.to(grid, aim.point, point.radius - CHECKPOINT_MARGIN);
    if (next < course.count) {
        const Checkpoint& after = course.points[next];
        aim.then = routes.to(grid, pointOf(after), after.radius - CHECKPOINT_MARGIN);
    }
    return aim;
}

Aim Tactics::tagAim(const World& world, int k, float dt) {
    const Kart& me = world.karts[k];
    const Kart& other = world.karts[1 - k];
    Aim aim;
    if (me.isIt) {
        // Where the other kart will be by the time this one gets there.
        const float gap = flatDistance(me.position, other.position);
        const float lead =
            std::min(LEAD_MOST, gap / std::max(std::fabs(me.speed), LEAD_SPEED_FLOOR));
        aim.point = {other.position.x + std::sin(other.heading) * other.speed * lead,
                     other.position.y,
                     other.position.z + std::cos(other.heading) * other.speed * lead};
        aim.tight = true;
        return aim;
    }
    KartPlan& plan = plans[k];
    const NodeId mine = grid.nodeAt(me.position), theirs = grid.nodeAt(other.position);
    plan.refugeAge += dt;
    const RouteField* current =
        plan.refuge < 0 ? nullptr : routes.to(grid, REFUGES[plan.refuge], REFUGE_REACH);
    const bool there =
        current != nullptr && current->reaches(mine) && current->cost[mine] < REFUGE_THERE;
    if (plan.refuge < 0 || plan.refugeAge >= REFUGE_SECONDS || there) {
        // The place it reaches longest before the chaser does.
        float bestLead = -INFINITY;
        for (int r = 0; r < REFUGE_COUNT; ++r) {
            const RouteField* field = routes.to(grid, REFUGES[r], REFUGE_REACH);
            if (field == nullptr || !field->reaches(mine) || field->cost[mine] < REFUGE_THERE)
                continue;
            const float chaser = field->reaches(theirs) ? field->cost[theirs] : INFINITY;
            const float lead = chaser - field->cost[mine];
            if (lead > bestLead) {
                bestLead = lead;
                plan.refuge = r;
            }
        }
        plan.refugeAge = 0;
    }
    if (plan.refuge >= 0) {
        aim.point = REFUGES[plan.refuge];
        aim.field = routes.to(grid, aim.point, REFUGE_REACH);
        // While the chaser cannot tag, every second is for getting away.
        aim.arriveSpeed = world.tagCooldown > 0 ? aim.topSpeed : REFUGE_ARRIVAL;
    } else {
        aim.point = me.position;
        aim.topSpeed = 0;
    }
    return aim;
}

float Tactics::pushAngle(Vec3 ball, int k) const {
    // Toward the goal, straight first, then ever wider either side; where
    // no run-up on the field leads to that, out toward the middle.
    for (Vec3 target : {GOAL_POINTS[k], CLEARING[k]}) {
        for (float turn : PUSH_TURNS) {
            const float a = headingTo(ball, target) + turn;
            const Vec3 behind{ball.x - std::sin(a) * BEHIND, FIELD_Y,
                              ball.z - std::cos(a) * BEHIND};
            if (!sameVec(onField(behind.x, behind.z), behind))
                continue;
            const NodeId from = grid.nodeAt(behind);
            if (from != NO_NODE && flatDistance(grid.pointOf(from), behind) < 1 &&
                grid.clearLine(behind, from, ball, RUN_ROOM))
                return a;
        }
    }
    return headingTo(ball, GOAL_POINTS[k]);
}

Aim Tactics::ballAim(const World& world, int k, float dt) {
    const Kart& kart = world.karts[k];
    KartPlan& plan = plans[k];
    KartPlan::BallPlay& play = plan.play;
    float& push = plan.push;
    const Vec3 ball{world.ball.position.x, FIELD_Y, world.ball.position.z};
    if (flatDistance(ball, plan.ballSeen) > BALL_MOVED) {
        plan.ballSeen = ball;
        plan.ballStill = 0;
    }
    plan.ballStill += dt;
    // A charge keeps its push; otherwise one is picked afresh. A ball that
    // no lining up has moved for long is charged from wherever the kart is,
    // as long as that does not send it toward the kart's own end.
    const float straightAt = headingTo(kart.position, ball);
    if (play != KartPlan::BallPlay::CHARGE && plan.ballStill > BALL_STILL_SECONDS &&
        std::sin(straightAt) * (GOAL_POINTS[k].x - ball.x) > 0) {
        play = KartPlan::BallPlay::CHARGE;
        push = straightAt;
        plan.ballStill = 0;
    } else if (play != KartPlan::BallPlay::CHARGE) {
        push = pushAngle(ball, k);
    }
    const float ux = std::sin(push), uz = std::cos(push);
    const float rx = kart.position.x - ball.x, rz = kart.position.z - ball.z;
    const float along = rx * ux + rz * uz;
    const float across = rz * ux - rx * uz; // toward (-uz, ux) positive
    const Vec3 behind = onField(ball.x - ux * BEHIND, ball.z - uz * BEHIND);
    const float offBall = std::fabs(wrapAngle(headingTo(kart.position, ball) - kart.heading));
    switch (play) {
    case KartPlan::BallPlay::CHARGE:
        if (along > 0 || std::fabs(across) > CHARGE_WIDTH || kart.bumping)
            play = KartPlan::BallPlay::MAKE_FOR;
        break;
    case KartPlan::BallPlay::LINE_UP:
        if (std::fabs(across) < IN_LINE && offBall < FACING && along < 0)
            play = KartPlan::BallPlay::CHARGE;
        else if (along > -TOO_CLOSE || flatDistance(kart.position, behind) > 2 * LINE_UP_REACH)
            play = KartPlan::BallPlay::MAKE_FOR;
        break;
    case KartPlan::BallPlay::MAKE_FOR:
        if (kart.position.y > LOWER_LEVEL_TOP &&
            flatDistance(kart.position, behind) < LINE_UP_REACH)
            play = KartPlan::BallPlay::LINE_UP;
        break;
    }
    Aim aim;
    if (play == KartPlan::BallPlay::CHARGE) {
        aim.point = {ball.x + ux * THROUGH, FIELD_Y, ball.z + uz * THROUGH};
        return aim;
    }
    if (play == KartPlan::BallPlay::LINE_UP) {
        aim.point = ball;
        aim.topSpeed = LINE_UP_SPEED;
        return aim;
    }
    aim.point = behind;
    aim.arriveSpeed = MAKE_FOR_SPEED;
    // On the wrong side, it goes round the ball rather than pushing it back.
    if (along > -BEHIND / 2 && distanceToSegment(ball, kart.position, behind) < WIDE - 1) {
        const float side = across >= 0 ? 1.0f : -1.0f;
        aim.point = onField(ball.x - uz * side * WIDE - ux * 2, ball.z + ux * side * WIDE - uz * 2);
        aim.arriveSpeed = aim.topSpeed;
    }
    return aim;
}

PlayerControls Tactics::controlsFor(const World& world, int k, CpuLevel level, float dt) {
    const Kart& me = world.karts[k];
    const Kart& other = world.karts[1 - k];
    Aim aim;
    switch (world.gameMode) {
    case GAME_TAG:
        aim = tagAim(world, k, dt);
        break;
    case GAME_BALL:
        aim = ballAim(world, k, dt);
        break;
    default:
        aim = raceAim(world, k);
        break;
    }
    // The chaser in tag runs into its quarry once a touch would count;
    // everyone else keeps clear.
    const bool tags = world.gameMode == GAME_TAG && me.isIt && world.tagCooldown <= 0;
    if (!tags)
        aim.other = &other;
    // Two CPU karts in one race keep out of each other's way: the second gives way.
    aim.yields = world.gameMode != GAME_TAG && k == 1 && world.cpu.drives[0];
    Driver& driver = plans[k].driver;
    driver.style = drivingStyle(level);
    PlayerControls c = driver.drive(me, grid, aim, dt);
    // Coconuts at the kart ahead in a race, now and then; the easy level
    // never throws.
    float& wait = plans[k].throwWait;
    wait = std::max(0.0f, wait - dt);
    if (world.gameMode == GAME_RACE && level != CPU_EASY && wait <= 0 && me.canFire() &&
        !me.checkpoints.isFinished() && !other.spinning &&
        inLineOfFire(me, other, level == CPU_HARD)) {
        c.held[ACTION_FIRE] = true;
        wait = THROW_PAUSE[level];
    }
    return c;
}
