#include "render/KartDraw.h"

#include "render/FaceShade.h"
#include "render/KartPose.h"
#include "render/Outline.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double SHADOW_MARGIN = 0.5; // beyond the kart on every side
constexpr double SHADOW_LIFT = 0.07;  // above the ground, clear of it in depth
constexpr double BODY_LIFT = 0.05;
constexpr double WHEEL_HUB_HEIGHT = 0.2;
constexpr double BRAKE_LIGHT_GAP = 0.2;      // behind the tail
constexpr double BRAKE_LIGHT_OVERHANG = 0.1; // beyond each side
constexpr double BRAKE_LIGHT_BOTTOM = 0.4, BRAKE_LIGHT_TOP = 0.8;

// The body's two paint meshes; every other mesh keeps the model's own colour.
constexpr size_t PAINT_MESHES[] = {4, 5};
// Where the steering column meets the last mesh, the steering wheel.
constexpr double STEERING_AT[3] = {0.234, 0.996, 0.159};
constexpr double STEERING_TILT = 43;

// A textured quad in the kart's frame, corners in the order the texture's
// (1, 1), (0, 1), (0, 0), (1, 0) go; the colour set is its tint.
void drawDecal(uint32_t texture, const double (&corners)[4][3]) {
    static constexpr float TEX[4][2] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2fv(TEX[i]);
        glVertex3dv(corners[i]);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// Each corner lies on the ground under the nearest wheel, so the shadow bends
// over a kerb or a ramp's edge.
void drawShadow(const Kart& kart, uint32_t texture) {
    const double x = kart.halfSize.x + SHADOW_MARGIN, z = kart.halfSize.z + SHADOW_MARGIN;
    const float* ground = kart.groundHeight;
    glColor4f(1, 1, 1, 1);
    drawDecal(texture, {{x, ground[WHEEL_FRONT_RIGHT] + SHADOW_LIFT, z},
                        {x, ground[WHEEL_REAR_RIGHT] + SHADOW_LIFT, -z},
                        {-x, ground[WHEEL_REAR_LEFT] + SHADOW_LIFT, -z},
                        {-x, ground[WHEEL_FRONT_LEFT] + SHADOW_LIFT, z}});
}

void rotateAboutEdge(double x, double z, double degrees, double axisX, double axisZ) {
    glTranslated(x, 0, z);
    glRotated(degrees, axisX, 0, axisZ);
    glTranslated(-x, 0, -z);
}

// Chassis tilt from the wheels, then the body's own animation: the squash of
// a bounce, the nose dip and the lean, each hinged on the edge that stays down.
void poseBody(const Kart& kart) {
    const double hx = kart.halfSize.x, hz = kart.halfSize.z;
    if (kart.roll != 0)
        glRotated(DEG_PER_RAD * kart.roll, 0, 0, 1);
    if (kart.pitch != 0)
        glRotated(-DEG_PER_RAD * kart.pitch, 1, 0, 0);
    if (kart.bumpTime > 0) {
        glTranslated(0, 0, hz);
        glScaled(1, 1, bodySquash(kart.bumpTime));
        glTranslated(0, 0, -hz);
    }
    if (kart.bodyPitch != 0)
        rotateAboutEdge(0, kart.bodyPitch > 0 ? hz : -hz, DEG_PER_RAD * kart.bodyPitch, 1, 0);
    const float lean = shownLean(kart);
    if (lean != 0)
        rotateAboutEdge(lean > 0 ? hx : -hx, 0, -DEG_PER_RAD * lean, 0, 1);
}

void drawBrakeLight(const Kart& kart, uint32_t texture) {
    const double x = kart.halfSize.x + BRAKE_LIGHT_OVERHANG;
    const double z = -kart.halfSize.z - BRAKE_LIGHT_GAP;
    glColor4f(1, 1, 1, 0.8f);
    drawDecal(texture, {{x, BRAKE_LIGHT_BOTTOM, z},
                        {-x, BRAKE_LIGHT_BOTTOM, z},
                        {-x, BRAKE_LIGHT_TOP, z},
                        {x, BRAKE_LIGHT_TOP, z}});
}

void callWheel(uint32_t list, double steer, double roll) {
    glPushMatrix();
    if (steer != 0)
        glRotated(steer, 0, 1, 0);
    glRotated(roll, 1, 0, 0);
    glCallList(list);
    glPopMatrix();
}

bool isPaint(size_t mesh) {
    for (size_t paint : PAINT_MESHES)
        if (mesh == paint)
            return true;
    return false;
}

void sendRampCorner(const MeshObject& mesh, int32_t k, const Vec3& light) {
    const size_t index = static_cast<size_t>(k);
    // A mesh short of normals is drawn in its darkest band rather than read
    // past its end.
    const Vec3 normal = index < mesh.normals.size() ? mesh.normals[index] : Vec3{};
    glNormal3f(normal.x, normal.y, normal.z);
    glTexCoord1f(rampCoordinate(normal, light));
    const Vec3& v = mesh.vertices[index];
    glVertex3f(v.x, v.y, v.z);
}

void sendRampMesh(const MeshObject& mesh, const Vec3& light) {
    glBegin(GL_TRIANGLES);
    for (const Face& face : mesh.faces) {
        if (!faceInRange(mesh, face))
            continue;
        sendRampCorner(mesh, face.a, light);
        sendRampCorner(mesh, face.b, light);
        sendRampCorner(mesh, face.c, light);
    }
    glEnd();
}

} // namespace

uint32_t makeWheelList(const Kart& shape) {
    const double radius = shape.wheelRadius, width = shape.wheelWidth;
    const int slices = static_cast<int>(shape.wheelSlices);
    const uint32_t list = glGenLists(1);
    // The list keeps the geometry; the quadric is only its builder.
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_NONE);
    glNewList(list, GL_COMPILE);
    glColor3b(20, 20, 20);
    glRotated(90, 0, 1, 0);
    gluDisk(quadric, 0, radius, slices, 1);
    glTranslated(0, 0, -width);
    glColor3b(8, 8, 8);
    gluCylinder(quadric, radius, radius, width, slices, 1);
    glEndList();
    gluDeleteQuadric(quadric);
    return list;
}

void drawKart(const Kart& kart, const RenderAssets& assets) {
    glPushMatrix();
    glTranslated(kart.position.x, 0, kart.position.z);
    // The spin turns the shadow too: the whole kart whirls.
    glRotated(DEG_PER_RAD * (kart.heading + kart.spinAngle), 0, 1, 0);
    drawShadow(kart, assets.textureIds[TEX_SHADOW]);
    glTranslated(0, kart.position.y + BODY_LIFT, 0);
    poseBody(kart);
    // Wheels, body and outline are opaque: no blending to pay for.
    glDisable(GL_BLEND);
    drawKartWheels(kart, assets.wheelList);
    drawKartBody(kart, assets.models[MODEL_KART_BODY]);
    drawOutline(assets.displayLists[LIST_KART_OUTLINE]);
    glEnable(GL_BLEND);
    if (kart.braking != 0)
        drawBrakeLight(kart, assets.textureIds[TEX_BRAKE_LIGHT]);
    glPopMatrix();
}

void drawKartWheels(const Kart& kart, uint32_t wheelList) {
    const double roll = kart.wheelRoll;
    const double steer = frontWheelSteer(kart.turnRate);
    const double axle = kart.axleOffset;
    glPushMatrix();
    // A wheel is an open-ended drum, seen from inside as well as out.
    glDisable(GL_CULL_FACE);
    glTranslated(kart.halfSize.x, WHEEL_HUB_HEIGHT, -axle);
    callWheel(wheelList, 0, roll);
    glTranslated(0, 0, 2 * axle);
    callWheel(wheelList, steer, roll);
    // The -x pair in a frame turned half round, so one list serves both sides.
    glTranslated(-kart.size.x, 0, 0);
    glRotated(180, 0, 1, 0);
    callWheel(wheelList, steer, -roll);
    glTranslated(0, 0, 2 * axle);
    callWheel(wheelList, 0, -roll);
    glEnable(GL_CULL_FACE);
    glPopMatrix();
}

void drawKartBody(const Kart& kart, const Model& body) {
    glEnable(GL_TEXTURE_1D);
    const Vec3 light = rampLight(kart.heading);
    const int64_t steeringWheel = static_cast<int64_t>(body.objectCount) - 1;
    const size_t meshes = drawableMeshCount(body);
    for (size_t i = 0; i < meshes; ++i) {
        const MeshObject& mesh = body.objects[i];
        if (isPaint(i))
            glColor3b(kart.colour[0], kart.colour[1], kart.colour[2]);
        else
            glColor3b(mesh.shadeColors[SHADE_LIT].r, mesh.shadeColors[SHADE_LIT].g,
                      mesh.shadeColors[SHADE_LIT].b);
        const bool steering = static_cast<int64_t>(i) == steeringWheel;
        if (steering) {
            glPushMatrix();
            glTranslated(STEERING_AT[0], STEERING_AT[1], STEERING_AT[2]);
            glRotated(STEERING_TILT, 1, 0, 0);
            glRotated(DEG_PER_RAD * kart.turnRate, 0, 0, 1);
        }
        sendRampMesh(mesh, light);
        if (steering)
            glPopMatrix();
    }
    glDisable(GL_TEXTURE_1D);
}
