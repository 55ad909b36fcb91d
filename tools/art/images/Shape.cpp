#include "Shape.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SUBSAMPLES = 4;

float distanceToSegment(Point p, Point a, Point b) {
    float dx = b.x - a.x;
    float dy = b.y - a.y;
    float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    float ex = p.x - (a.x + t * dx);
    float ey = p.y - (a.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

Bounds merged(Bounds a, Bounds b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

} // namespace

Shape circle(Point centre, float radius) {
    return ellipse(centre, radius, radius);
}

Shape ellipse(Point centre, float radiusX, float radiusY) {
    return {[=](Point p) {
                float dx = (p.x - centre.x) / radiusX;
                float dy = (p.y - centre.y) / radiusY;
                return dx * dx + dy * dy <= 1;
            },
            {centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY}};
}

Shape rectangle(Bounds box) {
    return {[=](Point p) { return p.x >= box.x0 && p.x < box.x1 && p.y >= box.y0 && p.y < box.y1; },
            box};
}

Shape roundedRectangle(Bounds box, float radius) {
    return {[=](Point p) {
                float cx = std::clamp(p.x, box.x0 + radius, box.x1 - radius);
                float cy = std::clamp(p.y, box.y0 + radius, box.y1 - radius);
                float dx = p.x - cx;
                float dy = p.y - cy;
                return p.x >= box.x0 && p.x < box.x1 && p.y >= box.y0 && p.y < box.y1 &&
                       dx * dx + dy * dy <= radius * radius;
            },
            box};
}

Shape polygon(std::vector<Point> corners) {
    Bounds box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& c : corners)
        box = merged(box, {c.x, c.y, c.x, c.y});
    return {[corners = std::move(corners)](Point p) {
                bool inside = false;
                for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                    const Point& a = corners[i];
                    const Point& b = corners[j];
                    if ((a.y > p.y) != (b.y > p.y) &&
                        p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                        inside = !inside;
                }
                return inside;
            },
            box};
}

Shape stroke(Point from, Point to, float halfWidth) {
    return {[=](Point p) { return distanceToSegment(p, from, to) <= halfWidth; },
            {std::min(from.x, to.x) - halfWidth, std::min(from.y, to.y) - halfWidth,
             std::max(from.x, to.x) + halfWidth, std::max(from.y, to.y) + halfWidth}};
}

Shape ring(Point centre, float innerRadius, float outerRadius) {
    return subtract(circle(centre, outerRadius), circle(centre, innerRadius));
}

Shape unite(Shape a, Shape b) {
    Bounds box = merged(a.bounds, b.bounds);
    return {
        [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) || b(p); },
        box};
}

Shape subtract(Shape a, Shape b) {
    Bounds box = a.bounds;
    return {
        [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) && !b(p); },
        box};
}

Shape intersect(Shape a, Shape b) {
    Bounds box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
               std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
    return {
        [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) && b(p); },
        box};
}

Point spacePoint(const Canvas& canvas, Space space, int x, int y) {
    return {(x + 0.5f) * space.width / canvas.width, (y + 0.5f) * space.height / canvas.height};
}

Mask shapeMask(const Canvas& canvas, Space space, const Shape& shape) {
    Mask mask = Mask::empty(canvas.width, canvas.height);
    float unitX = space.width / canvas.width;
    float unitY = space.height / canvas.height;
    int x0 = std::max(0, static_cast<int>(std::floor(shape.bounds.x0 / unitX)) - 1);
    int y0 = std::max(0, static_cast<int>(std::floor(shape.bounds.y0 / unitY)) - 1);
    int x1 = std::min(canvas.width - 1, static_cast<int>(std::ceil(shape.bounds.x1 / unitX)) + 1);
    int y1 = std::min(canvas.height - 1, static_cast<int>(std::ceil(shape.bounds.y1 / unitY)) + 1);
    const float step = 1.0f / SUBSAMPLES;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < SUBSAMPLES; ++sy)
                for (int sx = 0; sx < SUBSAMPLES; ++sx) {
                    Point p{(x + (sx + 0.5f) * step) * unitX, (y + (sy + 0.5f) * step) * unitY};
                    hits += shape.contains(p) ? 1 : 0;
                }
            mask.at(x, y) = static_cast<float>(hits) / (SUBSAMPLES * SUBSAMPLES);
        }
    }
    return mask;
}

void paint(Canvas& canvas, Space space, const Shape& shape, Rgba colour) {
    canvas.paintMask(shapeMask(canvas, space, shape), colour);
}

void paint(Canvas& canvas, Space space, const Shape& shape,
           const std::function<Rgba(Point)>& colourAt) {
    canvas.paintMask(shapeMask(canvas, space, shape),
                     [&](int x, int y) { return colourAt(spacePoint(canvas, space, x, y)); });
}
