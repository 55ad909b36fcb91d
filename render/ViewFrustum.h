#pragma once

#include "assets/Model.h"
#include "support/Vec3.h"

// The six planes of a view in world space, each as a, b, c, d with
// a x + b y + c z + d >= 0 inside. No GL here: made from the two matrices
// as GL keeps them (column by column).
struct ViewFrustum {
    float planes[6][4];
};

// A sphere round a shape's every vertex, in the shape's own frame.
struct BoundingSphere {
    Vec3 centre;
    float radius = -1; // below zero: nothing to bound
};

// Round every vertex of the meshes a list is built from.
BoundingSphere boundingSphereOf(const Model& model);

ViewFrustum frustumFrom(const float (&projection)[16], const float (&modelview)[16]);

// True only when the whole sphere lies beyond one of the planes: then nothing
// of what it bounds can reach the view, and leaving it out changes no pixel.
bool sphereOutside(const ViewFrustum& frustum, Vec3 centre, float radius);
