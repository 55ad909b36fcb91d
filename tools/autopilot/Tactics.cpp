#include "Tactics.h"

#include "Flat.h"

#include "app/World.h"

#include <algorithm>
#include <cmath>

namespace {

// Routes to points within this of each other are one route.
constexpr float SHARE = 1.0f;
// A checkpoint's route ends this far inside its sphere, so that a kart
// sent to another point within SHARE still gets in.
constexpr float CHECKPOINT_MARGIN = SHARE + 0.5f;

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
// The chaser aims where the other kart will be this much later.
constexpr float LEAD_SECONDS = 0.4f;

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

} // namespace

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

void Tactics::prepare(const World& world) {
    buildNavGrid(grid, world);
}

void Tactics::startMatch(const World& world) {
    for (int k = 0; k < 2; ++k) {
        drivers[k] = Driver{};
        drivers[k].turnRate = turnRate;
        drivers[k].downhillSpeed = downhillSpeed;
        drivers[k].restart(world.karts[k].position);
        refuge[k] = -1;
        refugeAge[k] = 0;
        victoryLap[k] = 0;
        play[k] = BallPlay::MAKE_FOR;
        push[k] = 0;
    }
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
        if (course.points[victoryLap[k] % course.count].reached(kart.position.x, kart.position.y,
                                                                kart.position.z))
            ++victoryLap[k];
        index = victoryLap[k] % course.count;
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
        const float lead = other.speed * LEAD_SECONDS;
        aim.point = {other.position.x + std::sin(other.heading) * lead, other.position.y,
                     other.position.z + std::cos(other.heading) * lead};
        return aim;
    }
    const NodeId mine = grid.nodeAt(me.position), theirs = grid.nodeAt(other.position);
    refugeAge[k] += dt;
    const RouteField* current =
        refuge[k] < 0 ? nullptr : routes.to(grid, REFUGES[refuge[k]], REFUGE_REACH);
    const bool there =
        current != nullptr && current->reaches(mine) && current->cost[mine] < REFUGE_THERE;
    if (refuge[k] < 0 || refugeAge[k] >= REFUGE_SECONDS || there) {
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
                refuge[k] = r;
            }
        }
        refugeAge[k] = 0;
    }
    if (refuge[k] >= 0) {
        aim.point = REFUGES[refuge[k]];
        aim.field = routes.to(grid, aim.point, REFUGE_REACH);
        aim.arriveSpeed = REFUGE_ARRIVAL;
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

Aim Tactics::ballAim(const World& world, int k) {
    const Kart& kart = world.karts[k];
    const Vec3 ball{world.ball.position.x, FIELD_Y, world.ball.position.z};
    // A charge keeps its push; otherwise one is picked afresh.
    if (play[k] != BallPlay::CHARGE)
        push[k] = pushAngle(ball, k);
    const float ux = std::sin(push[k]), uz = std::cos(push[k]);
    const float rx = kart.position.x - ball.x, rz = kart.position.z - ball.z;
    const float along = rx * ux + rz * uz;
    const float across = rz * ux - rx * uz; // toward (-uz, ux) positive
    const Vec3 behind = onField(ball.x - ux * BEHIND, ball.z - uz * BEHIND);
    const float offBall = std::fabs(wrapAngle(headingTo(kart.position, ball) - kart.heading));
    switch (play[k]) {
    case BallPlay::CHARGE:
        if (along > 0 || std::fabs(across) > CHARGE_WIDTH || kart.bumping)
            play[k] = BallPlay::MAKE_FOR;
        break;
    case BallPlay::LINE_UP:
        if (std::fabs(across) < IN_LINE && offBall < FACING && along < 0)
            play[k] = BallPlay::CHARGE;
        else if (along > -TOO_CLOSE || flatDistance(kart.position, behind) > 2 * LINE_UP_REACH)
            play[k] = BallPlay::MAKE_FOR;
        break;
    case BallPlay::MAKE_FOR:
        if (kart.position.y > LOWER_LEVEL_TOP &&
            flatDistance(kart.position, behind) < LINE_UP_REACH)
            play[k] = BallPlay::LINE_UP;
        break;
    }
    Aim aim;
    if (play[k] == BallPlay::CHARGE) {
        aim.point = {ball.x + ux * THROUGH, FIELD_Y, ball.z + uz * THROUGH};
        return aim;
    }
    if (play[k] == BallPlay::LINE_UP) {
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

Controls Tactics::controlsFor(const World& world, int k, float dt) {
    Aim aim;
    switch (world.gameMode) {
    case GAME_TAG:
        aim = tagAim(world, k, dt);
        break;
    case GAME_BALL:
        aim = ballAim(world, k);
        break;
    default:
        aim = raceAim(world, k);
        break;
    }
    // The chaser in tag runs into its quarry; everyone else keeps clear.
    if (!(world.gameMode == GAME_TAG && world.karts[k].isIt))
        aim.other = &world.karts[1 - k];
    aim.yields = world.gameMode != GAME_TAG && k == 1;
    return drivers[k].drive(world.karts[k], grid, aim, dt);
}
