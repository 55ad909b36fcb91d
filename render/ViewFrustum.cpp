#include "render/ViewFrustum.h"

#include "render/FaceShade.h"

#include <algorithm>
#include <cmath>

BoundingSphere boundingSphereOf(const Model& model) {
    const size_t meshes = drawableMeshCount(model);
    bool any = false;
    Vec3 low, high;
    for (size_t i = 0; i < meshes; ++i)
        for (const Vec3& v : model.objects[i].vertices) {
            low = any ? Vec3{std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)} : v;
            high =
                any ? Vec3{std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)} : v;
            any = true;
        }
    BoundingSphere sphere;
    if (!any)
        return sphere;
    sphere.centre = {(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    sphere.radius = 0;
    for (size_t i = 0; i < meshes; ++i)
        for (const Vec3& v : model.objects[i].vertices) {
            const float dx = v.x - sphere.centre.x, dy = v.y - sphere.centre.y,
                        dz = v.z - sphere.centre.z;
            sphere.radius = std::max(sphere.radius, std::sqrt(dx * dx + dy * dy + dz * dz));
        }
    return sphere;
}

ViewFrustum frustumFrom(const float (&projection)[16], const float (&modelview)[16]) {
    float m[16]; // projection times modelview, column by column
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + row] * modelview[col * 4 + k];
            m[col * 4 + row] = sum;
        }
    // Each plane is the last row plus or minus one of the first three.
    ViewFrustum frustum{};
    for (int p = 0; p < 6; ++p) {
        const int row = p / 2;
        const float sign = p % 2 == 0 ? 1.0f : -1.0f;
        float* plane = frustum.planes[p];
        for (int col = 0; col < 4; ++col)
            plane[col] = m[col * 4 + 3] + sign * m[col * 4 + row];
        const float length =
            std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
        if (length > 0)
            for (int k = 0; k < 4; ++k)
                plane[k] /= length;
    }
    return frustum;
}

bool sphereOutside(const ViewFrustum& frustum, Vec3 centre, float radius) {
    for (const auto& plane : frustum.planes)
        if (plane[0] * centre.x + plane[1] * centre.y + plane[2] * centre.z + plane[3] < -radius)
            return true;
    return false;
}
