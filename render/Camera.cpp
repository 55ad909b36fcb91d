#include "render/Camera.h"

#include <GL/glu.h>

void Camera::place(float dt) {
    if (kart == nullptr)
        return;
    const CameraAim aim = aimCamera(position, mode, *kart, dt);
    position = aim.tracked;
    gluLookAt(aim.eye.x, aim.eye.y, aim.eye.z, aim.centre.x, aim.centre.y, aim.centre.z, 0, 1, 0);
}
