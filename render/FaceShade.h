#pragma once

#include "assets/Model.h"
#include "support/Vec3.h"

#include <cstddef>

// Which of a mesh's three shadeColors a face is filled with.
enum FaceShade : int { SHADE_LIT = 0, SHADE_MIDDLE = 1, SHADE_DARK = 2 };

// Faces turned toward the light are lit, those turned up to 60 degrees past
// side-on are middle, the rest dark. A degenerate face has no normal and
// falls in the middle band. light must be normalised.
inline FaceShade faceShade(Vec3 p, Vec3 q, Vec3 r, Vec3 light) {
    Vec3 normal = cross(subtract(q, p), subtract(r, p));
    normalize(&normal);
    const float d = dotN(floatsOf(normal), floatsOf(light), 3);
    if (d > 0)
        return SHADE_LIT;
    if (d > -0.5f)
        return SHADE_MIDDLE;
    return SHADE_DARK;
}

// The meshes a builder may visit: no more than the model says it has, and
// no more than it holds.
inline size_t drawableMeshCount(const Model& model) {
    if (model.objectCount <= 0)
        return 0;
    const size_t claimed = static_cast<size_t>(model.objectCount);
    return claimed < model.objects.size() ? claimed : model.objects.size();
}

// A face whose corners name vertices the mesh does not hold is skipped
// rather than read out of bounds.
inline bool faceInRange(const MeshObject& mesh, const Face& face) {
    const auto count = static_cast<int64_t>(mesh.vertices.size());
    return face.a >= 0 && face.a < count && face.b >= 0 && face.b < count && face.c >= 0 &&
           face.c < count;
}
