#include "app/cpu/Driver.h"

#include "app/FrameLoop.h"
#include "app/cpu/Flat.h"
#include "sim/Kart.h"
#include "sim/KartSteering.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// A kart whose wheels all leave the ground drops fallTime² / 2 an update,
// T³ / (6 dt) over T seconds. Off the top of a corner ramp (20 long, 10
// down, a lip of 0.3 first) it must drop 2.5 before its foot, so as not to
// reach the field's level there: it flies over at speeds above
// cbrt(20³ / (6 · 2.5 · dt)).
constexpr float GLIDE = 20 * 20 * 20 / (6 * 2.5f);

// Turn rate wanted per radian off the line to the steering point.
constexpr float STEER_GAIN = 3;
// How far along its route a kart looks for a point to steer at.
constexpr float LOOK_MIN = 5;
constexpr float LOOK_PER_SPEED = 0.7f;
constexpr float BEND_LOOK = 12;
constexpr float BEND_MIN = 0.5f; // a shorter stretch beyond shows no bend
constexpr float ON_LINE = 0.05f; // radians off that need no slowing
// Room kept between the straight line steered along and any wall.
constexpr float LINE_ROOM = 1.3f;
constexpr int ROUTE_NODES = 80;
// A line steered along past the aim's point passes this close to it.
constexpr float THROUGH_REACH = 2.5f;

// Speeds.
constexpr float BRAKING = 12;  // planned deceleration, well inside the brake's 20
constexpr float SLOW_TURN = 5; // round a hairpin
constexpr float USUAL_TURN_RATE = 1.2f;
constexpr float CREEP = 0.8f;
constexpr float SAME_POINT = 0.01f; // apart by less, two points are one
// A fall of DROP within DROP_LOOK along the route is a ramp going down.
constexpr float DROP = 1.5f;
constexpr float DROP_LOOK = 30;
constexpr float SPEED_SLACK = 1;       // over the wanted speed before braking
constexpr float THROTTLE_SLACK = 0.5f; // under it before the throttle goes on
// Boosting: from BOOST_FROM up, while the wanted speed is BOOST_MARGIN above.
constexpr float BOOST_FROM = 15;
constexpr float BOOST_MARGIN = 2;
// Sliding pushes a kart out of its turn at up to its own speed, so that it
// goes round as fast as its turn rate allows, up to the square root of two
// faster than its top speed: on arcs from SLIDE_ARC_MIN (tighter, the turn
// rate bounds it either way) to SLIDE_ARC_MAX (wider, the turn is too slow
// for the slide to hold), from SLIDE_SPEED up, with SLIDE_ROOM outside.
constexpr float SLIDE_ARC_MIN = 17, SLIDE_ARC_MAX = 32;
constexpr float SLIDE_SPEED = 19;
constexpr float SLIDE_ROOM = 3;
// Lifting off: a kart turning harder than this, above LIFT_SPEED, coasts.
constexpr float LIFT_TURN = 0.6f;
constexpr float LIFT_SPEED = 8;

// A search of its own is renewed this often, or when its goal has moved.
constexpr float REPLAN_SECONDS = 0.25f;
constexpr float REPLAN_MOVE = 2;
constexpr float GOAL_REACH = 2;

// Stuck: no progress for STUCK_SECONDS while wanting to move (a bounce off
// something counts as no progress) backs the kart out; none for
// RESPAWN_SECONDS respawns it.
constexpr float PROGRESS = 1.5f;
constexpr float BACK_OUT_SECONDS = 1.2f;
constexpr float TRAIL_STEP = 0.5f;
constexpr float GOT_AWAY = 6; // over the trail's length
constexpr float MOVING = 1;
// Farther than this in one step, the kart was put somewhere: a respawn, a
// kick-off, a new match.
constexpr float JUMP = 5;

// The other kart: noticed this far ahead, passed this far to the side;
// one moving on at more than FOLLOW_SHARE of this kart's speed is followed
// FOLLOW_GAP behind instead.
constexpr float PASS_LOOK = 4;
constexpr float PASS_LOOK_PER_SPEED = 0.8f;
constexpr float PASS_ROOM = 3;
constexpr float PASS_SPEED = 10;
constexpr float PASS_LINE_ROOM = 1.1f;
constexpr float FOLLOW_SHARE = 0.5f;
constexpr float FOLLOW_GAP = 5;
constexpr float FOLLOW_CLOSING = 1.5f; // speed per unit of gap beyond FOLLOW_GAP
constexpr float SAME_LEVEL = 3;
// A yielding kart drops back from one this close beside or ahead of it.
constexpr float YIELD_GAP = 4.5f;
constexpr float YIELD_BEHIND = 2;
constexpr float YIELD_SLOWER = 3;
constexpr float YIELD_TO = 3; // to a kart at least this fast: a parked one is passed
// Only a kart further ahead than the yielding one drops back from is
// followed: else the two would wait on each other.
constexpr float FOLLOW_AHEAD = YIELD_BEHIND + 0.5f;
// Closer than this side by side, a kart edges SIDE_STEP away.
constexpr float SIDE_GAP = 2.8f;
constexpr float SIDE_STEP = 2;

// The slide's reach, as the kart's rules give it: it pushes sideways at
// slide / SLIDE_FULL of the kart's speed while the turn is faster than
// SLIDE_TURN its way.
constexpr float SLIDE_FULL = 5;
constexpr float SLIDE_TURN = 0.5f;

bool flying(const Kart& kart) {
    for (bool w : kart.wheelAirborne)
        if (!w)
            return false;
    return true;
}

std::vector<NodeId> goalNodes(const NavGrid& grid, Vec3 p) {
    std::vector<NodeId> goals = nodesNear(grid, p, GOAL_REACH);
    if (goals.empty()) {
        const NodeId n = grid.nodeAt(p);
        if (n != NO_NODE)
            goals.push_back(n);
    }
    return goals;
}

// Turn rate that brings the heading round by error radians: forward, a
// positive rate lowers the heading; reversing, it raises it.
float wantedTurnRate(float error, float speed) {
    const float rate = std::clamp(STEER_GAIN * error, -MAX_TURN_RATE, MAX_TURN_RATE);
    return speed < 0 ? rate : -rate;
}

} // namespace

float turnRateAfter(float t, int direction, float dt) {
    return easedTurnRate(steeredTurnRate(t, direction), MAX_TURN_RATE, dt);
}

float glideSpeed() {
    return std::cbrt(GLIDE / TICK_SECONDS);
}

int steerToward(float turnRate, float wantedRate, float dt) {
    int best = 0;
    float bestMiss = std::fabs(turnRateAfter(turnRate, 0, dt) - wantedRate);
    for (int direction : {1, -1}) {
        const float miss = std::fabs(turnRateAfter(turnRate, direction, dt) - wantedRate);
        if (miss < bestMiss) {
            best = direction;
            bestMiss = miss;
        }
    }
    return best;
}

float travelHeading(const Kart& kart) {
    const bool pushing = (kart.turnRate > SLIDE_TURN && kart.slide > 0) ||
                         (kart.turnRate < -SLIDE_TURN && kart.slide < 0);
    return pushing ? kart.heading + std::atan(kart.slide / SLIDE_FULL) : kart.heading;
}

void Driver::restart(Vec3 at) {
    for (Vec3& t : trail)
        t = at;
    lastSeen = at;
    trailClock = sinceProgress = reverseFor = 0;
    watched = nullptr;
    bestCost = INFINITY;
    ownValid = false;
}

std::vector<NodeId> Driver::routeFor(const NavGrid& grid, const Aim& aim, NodeId from, float dt) {
    const RouteField* field = aim.field;
    if (field == nullptr) {
        ownAge += dt;
        if (!ownValid || ownAge >= REPLAN_SECONDS ||
            flatDistance(aim.point, ownGoal) > REPLAN_MOVE || !own.reaches(from)) {
            searchFrom(grid, goalNodes(grid, aim.point), own, from);
            ownGoal = aim.point;
            ownAge = 0;
            ownValid = true;
        }
        field = &own;
    }
    routeCost = field->reaches(from) ? field->cost[from] : INFINITY;
    std::vector<NodeId> route = routeFrom(*field, from, ROUTE_NODES);
    junction = route.size();
    if (aim.then != nullptr && !route.empty() && field->next[route.back()] == route.back()) {
        const std::vector<NodeId> on =
            routeFrom(*aim.then, route.back(), ROUTE_NODES - static_cast<int>(route.size()));
        route.insert(route.end(), on.begin() + (on.empty() ? 0 : 1), on.end());
    }
    return route;
}

void Driver::watchStuck(const Kart& kart, const Aim& aim, float wanted, float dt,
                        PlayerControls& c) {
    trailClock += dt;
    if (trailClock >= TRAIL_STEP) {
        trailClock = 0;
        for (int i = std::size(trail) - 1; i > 0; --i)
            trail[i] = trail[i - 1];
        trail[0] = kart.position;
    }
    if (aim.field != watched) { // a new goal
        watched = aim.field;
        bestCost = INFINITY;
    }
    const bool gotOn = routeCost < bestCost - PROGRESS ||
                       (aim.field == nullptr &&
                        flatDistance(kart.position, trail[std::size(trail) - 1]) > GOT_AWAY);
    if (gotOn) {
        bestCost = std::min(bestCost, routeCost);
        sinceProgress = 0;
        return;
    }
    // A spin-out is sat through: the coconut's fault, not the road's.
    if (wanted > MOVING && !kart.spinning)
        sinceProgress += dt;
    if (sinceProgress >= RESPAWN_SECONDS) {
        c = PlayerControls{};
        c.held[ACTION_RESPAWN] = true;
        ++respawns;
        restart(RESPAWN_POINT);
        return;
    }
    if (sinceProgress >= STUCK_SECONDS && sinceProgress - dt < STUCK_SECONDS) {
        ++backOuts;
        reverseFor = BACK_OUT_SECONDS;
    }
    if (reverseFor > 0) {
        reverseFor -= dt;
        c.held[ACTION_THROTTLE] = c.held[ACTION_BRAKE] = c.held[ACTION_BOOST] = false;
        c.held[ACTION_SLIDE_LEFT] = c.held[ACTION_SLIDE_RIGHT] = false;
        c.held[ACTION_REVERSE] = true; // its steering, worked out for reversing, backs it round
    }
}

float Driver::giveWay(const Kart& kart, const NavGrid& grid, NodeId node, const Aim& aim,
                      Vec3& steerAt, float speed) const {
    const Kart& other = *aim.other;
    const Vec3 p = kart.position, o = other.position;
    if (flying(other) || std::fabs(o.y - p.y) > SAME_LEVEL)
        return speed;
    const float gap = flatDistance(p, o);
    const float way = flatDistance(p, steerAt);
    if (gap > PASS_LOOK + PASS_LOOK_PER_SPEED * std::max(kart.speed, 0.0f) || way < 0.1f)
        return speed;
    const float dx = (steerAt.x - p.x) / way, dz = (steerAt.z - p.z) / way;
    const float ahead = (o.x - p.x) * dx + (o.z - p.z) * dz;
    const float aside = (o.x - p.x) * dz - (o.z - p.z) * dx; // along (dz, -dx)
    // Alongside it waits however slow the other is: rubbing, both would bounce.
    if (aim.yields && gap < YIELD_GAP && ahead > -YIELD_BEHIND &&
        (other.speed > YIELD_TO || ahead < FOLLOW_AHEAD))
        return std::min(speed, std::max(0.0f, other.speed - YIELD_SLOWER));
    if (std::fabs(ahead) < FOLLOW_AHEAD && std::fabs(aside) < SIDE_GAP) {
        // Alongside: edge away rather than rub, where the road allows.
        const float away = aside > 0 ? -SIDE_STEP : SIDE_STEP;
        const Vec3 edged{steerAt.x + dz * away, steerAt.y, steerAt.z - dx * away};
        if (grid.clearLine(p, node, edged, PASS_LINE_ROOM))
            steerAt = edged;
    }
    if (ahead <= 0 || std::fabs(aside) > PASS_ROOM)
        return speed;
    if (ahead < FOLLOW_AHEAD && other.speed > YIELD_TO)
        return speed; // alongside: the yielding one drops back
    const float theirs =
        other.speed * (std::sin(other.heading) * dx + std::cos(other.heading) * dz);
    if (theirs > FOLLOW_SHARE * std::max(kart.speed, MOVING))
        return std::min(speed, theirs + std::max(0.0f, gap - FOLLOW_GAP) * FOLLOW_CLOSING);
    // Stopped or slow: round it, on its emptier side first.
    const float first = aside > 0 ? -1.0f : 1.0f;
    for (float side : {first, -first}) {
        const Vec3 round{o.x + dz * side * PASS_ROOM + dx, p.y, o.z - dx * side * PASS_ROOM + dz};
        if (grid.clearLine(p, node, round, PASS_LINE_ROOM)) {
            steerAt = round;
            return std::min(speed, PASS_SPEED);
        }
    }
    return std::min(speed, std::max(0.0f, gap - FOLLOW_GAP));
}

float Driver::downhillFor(const NavGrid& grid, const std::vector<NodeId>& route) const {
    float along = 0;
    for (size_t i = 1; i < route.size() && along < DROP_LOOK; ++i) {
        along += flatDistance(grid.pointOf(route[i - 1]), grid.pointOf(route[i]));
        if (grid.height[route[i]] < grid.height[route[0]] - DROP)
            return std::sqrt(style.downhillSpeed * style.downhillSpeed +
                             2 * BRAKING * std::max(0.0f, along - DROP));
    }
    return INFINITY;
}

float Driver::speedFor(const Kart& kart, Vec3 steerAt, Vec3 bendAt, const Aim& aim) const {
    const Vec3 p = kart.position;
    const float top = std::min(aim.topSpeed, style.topSpeed);
    const float off = std::fabs(wrapAngle(headingTo(p, steerAt) - kart.heading));
    const float distance = flatDistance(p, steerAt);
    float slow = std::clamp(SLOW_TURN * style.turnRate / USUAL_TURN_RATE, CREEP, SLOW_TURN);
    // Behind or beside, a point is reached on a circle as wide as it is far.
    if (aim.tight && flatDistance(steerAt, aim.point) < SAME_POINT)
        slow = std::clamp(style.turnRate * distance / 2, CREEP, slow);
    float speed = top;
    // An arc onto the line to the steering point.
    if (off > PI_F / 2)
        speed = slow;
    else if (off > ON_LINE)
        speed = std::min(speed, std::max(slow, style.turnRate * distance / (2 * std::sin(off))));
    // The bend there, turned within the style's room, braked for from here.
    if (flatDistance(steerAt, bendAt) > BEND_MIN) {
        const float bend = std::fabs(wrapAngle(headingTo(p, steerAt) - headingTo(steerAt, bendAt)));
        const float bendSpeed =
            bend > ON_LINE ? std::clamp(style.turnRate * style.bendRoom / bend, slow, top) : top;
        speed = std::min(speed, std::sqrt(bendSpeed * bendSpeed + 2 * BRAKING * distance));
    }
    if (aim.arriveSpeed < top) {
        const float left = std::isfinite(routeCost) ? routeCost : flatDistance(p, aim.point);
        speed = std::min(speed, std::sqrt(aim.arriveSpeed * aim.arriveSpeed + 2 * BRAKING * left));
    }
    return speed;
}

PlayerControls Driver::drive(const Kart& kart, const NavGrid& grid, const Aim& aim, float dt) {
    PlayerControls c;
    if (flatDistance(kart.position, lastSeen) > JUMP)
        restart(kart.position);
    lastSeen = kart.position;
    if (flying(kart))
        return c; // nothing steers in the air
    const Vec3 p = kart.position;
    const NodeId node = grid.nodeAt(p);
    const std::vector<NodeId> route =
        node == NO_NODE ? std::vector<NodeId>{} : routeFor(grid, aim, node, dt);

    // The farthest point of the route within reach that a straight line
    // gets to, then the farthest a little beyond it, for the bend there.
    Vec3 steerAt = aim.point, bendAt = aim.point;
    if (route.size() > 1) {
        size_t reached = 1;
        steerAt = grid.pointOf(route[1]);
        const float look = LOOK_MIN + LOOK_PER_SPEED * std::fabs(kart.speed);
        float along = 0;
        for (size_t i = 2; i < route.size(); ++i) {
            const Vec3 q = grid.pointOf(route[i]);
            along += flatDistance(grid.pointOf(route[i - 1]), q);
            if (along > look || !grid.clearLine(p, node, q, LINE_ROOM))
                break;
            // Past the point, only by a line that goes through it.
            if (i >= junction && distanceToSegment(aim.point, p, q) > THROUGH_REACH)
                break;
            steerAt = q;
            reached = i;
        }
        bendAt = steerAt;
        along = 0;
        for (size_t i = reached + 1; i < route.size(); ++i) {
            const Vec3 q = grid.pointOf(route[i]);
            along += flatDistance(grid.pointOf(route[i - 1]), q);
            if (along > BEND_LOOK || !grid.clearLine(steerAt, route[reached], q, LINE_ROOM))
                break;
            bendAt = q;
        }
        // The last stretch: straight at the point itself when it is in sight.
        if (reached + 1 == route.size() && aim.then == nullptr &&
            grid.clearLine(p, node, aim.point, LINE_ROOM))
            steerAt = bendAt = aim.point;
    } else if (route.size() == 1) {
        steerAt = bendAt = aim.point;
    }

    const float wanted = std::min(speedFor(kart, steerAt, bendAt, aim), downhillFor(grid, route));
    float speed = wanted;
    if (aim.other != nullptr && node != NO_NODE)
        speed = giveWay(kart, grid, node, aim, steerAt, speed);

    const float error = wrapAngle(headingTo(p, steerAt) - travelHeading(kart));
    const float turnWanted = wantedTurnRate(error, kart.speed);
    c.steer = static_cast<float>(steerToward(kart.turnRate, turnWanted, dt));
    // The arc from here onto the line to the steering point.
    const float arc = flatDistance(p, steerAt) / (2 * std::max(std::sin(std::fabs(error)), 1e-3f));
    if (style.slides && node != NO_NODE && grid.roomAt(node) >= SLIDE_ROOM &&
        kart.speed > SLIDE_SPEED && speed > SLIDE_SPEED && arc > SLIDE_ARC_MIN &&
        arc < SLIDE_ARC_MAX && std::fabs(kart.turnRate) > SLIDE_TURN &&
        (turnWanted > 0) == (kart.turnRate > 0))
        c.held[turnWanted > 0 ? ACTION_SLIDE_LEFT : ACTION_SLIDE_RIGHT] = true;
    bool& throttle = c.held[ACTION_THROTTLE];
    if (kart.speed < speed - THROTTLE_SLACK)
        throttle = true;
    else if (kart.speed > speed + SPEED_SLACK)
        c.held[ACTION_BRAKE] = true;
    else
        throttle = kart.speed < speed;
    if (style.liftsInTurns && std::fabs(kart.turnRate) > LIFT_TURN && kart.speed > LIFT_SPEED)
        throttle = false;
    if (style.boosts && kart.speed > BOOST_FROM && kart.speed < speed - BOOST_MARGIN)
        c.held[ACTION_BOOST] = true;

    watchStuck(kart, aim, wanted, dt, c); // waiting on the other kart for long is stuck too
    return c;
}
