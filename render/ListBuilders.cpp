#include "render/ListBuilders.h"

#include "render/FaceShade.h"

#include <GL/gl.h>

namespace {

void sendCorner(const MeshObject& mesh, int32_t k) {
    const size_t index = static_cast<size_t>(k);
    // Normals do nothing with lighting off, but a list must carry them all the same.
    if (index < mesh.normals.size()) {
        const Vec3& n = mesh.normals[index];
        glNormal3f(n.x, n.y, n.z);
    }
    const Vec3& v = mesh.vertices[index];
    glVertex3f(v.x, v.y, v.z);
}

void sendFace(const MeshObject& mesh, const Face& face) {
    sendCorner(mesh, face.a);
    sendCorner(mesh, face.b);
    sendCorner(mesh, face.c);
}

void sendBandedMesh(const MeshObject& mesh) {
    Vec3 light = mesh.lightDir;
    normalize(&light);
    glBegin(GL_TRIANGLES);
    for (const Face& face : mesh.faces) {
        if (!faceInRange(mesh, face))
            continue;
        const FaceShade shade =
            faceShade(mesh.vertices[face.a], mesh.vertices[face.b], mesh.vertices[face.c], light);
        const ShadeColor& colour = mesh.shadeColors[shade];
        glColor3b(colour.r, colour.g, colour.b);
        sendFace(mesh, face);
    }
    glEnd();
}

void sendPlainMesh(const MeshObject& mesh) {
    glBegin(GL_TRIANGLES);
    for (const Face& face : mesh.faces)
        if (faceInRange(mesh, face))
            sendFace(mesh, face);
    glEnd();
}

} // namespace

void compileBandedList(const Model& model, uint32_t listId) {
    glNewList(listId, GL_COMPILE);
    for (size_t i = 0; i < drawableMeshCount(model); ++i)
        sendBandedMesh(model.objects[i]);
    glEndList();
}

void compilePlainList(const Model& model, uint32_t listId, bool useColour, float red, float green,
                      float blue) {
    glNewList(listId, GL_COMPILE);
    for (size_t i = 0; i < drawableMeshCount(model); ++i) {
        if (useColour)
            glColor3f(red, green, blue);
        sendPlainMesh(model.objects[i]);
    }
    glEndList();
}
