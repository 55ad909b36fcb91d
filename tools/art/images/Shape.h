// Shapes described in a picture's own drawing units (y down), turned into
// anti-aliased coverage by supersampling. A picture that is stretched onto a
// non-square quad is drawn in the quad's units, so circles stay round in game.
#pragma once

#include "Canvas.h"

#include <functional>
#include <vector>

struct Point {
    float x = 0, y = 0;
};

struct Bounds {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Shape {
    std::function<bool(Point)> contains;
    Bounds bounds;
};

// The drawing units that span the whole canvas.
struct Space {
    float width = 1, height = 1;
};

Shape circle(Point centre, float radius);
Shape ellipse(Point centre, float radiusX, float radiusY);
Shape rectangle(Bounds box);
Shape roundedRectangle(Bounds box, float radius);
Shape polygon(std::vector<Point> corners);
// A thick line with round ends.
Shape stroke(Point from, Point to, float halfWidth);
Shape ring(Point centre, float innerRadius, float outerRadius);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);

Mask shapeMask(const Canvas& canvas, Space space, const Shape& shape);
void paint(Canvas& canvas, Space space, const Shape& shape, Rgba colour);
void paint(Canvas& canvas, Space space, const Shape& shape,
           const std::function<Rgba(Point)>& colourAt);
// Canvas pixel centre in drawing units.
Point spacePoint(const Canvas& canvas, Space space, int x, int y);
