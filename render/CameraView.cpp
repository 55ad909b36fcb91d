#include "render/CameraView.h"

#include <GL/glu.h>

void placeCamera(const Camera& camera) {
    const Vec3 &eye = camera.eye, &centre = camera.centre;
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, 0, 1, 0);
}
