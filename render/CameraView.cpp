#include "render/CameraView.h"

#include <GL/glu.h>

void placeCamera(Camera& camera, float dt) {
    if (camera.kart == nullptr)
        return;
    const CameraAim aim = aimCamera(camera.position, camera.mode, *camera.kart, dt);
    camera.position = aim.tracked;
    gluLookAt(aim.eye.x, aim.eye.y, aim.eye.z, aim.centre.x, aim.centre.y, aim.centre.z, 0, 1, 0);
}
