#include "sim/Sprite.h"

void Sprite::init(float x, float y, float z, float width, float quadHeight, SpriteLook shown) {
    position.set(x, y, z);
    halfWidth = width / 2;
    height = quadHeight;
    look = shown;
    alpha = 1;
}

void Sprite::setSize(float s) {
    height = s;
    halfWidth = s / 2;
}

Vec3 Sprite::acrossFor(float cameraX, float cameraZ) const {
    Vec3 view{position.x - cameraX, 0, position.z - cameraZ};
    Vec3 across = cross(view, Vec3{0, 1, 0});
    setLength(&across, halfWidth);
    return across;
}

// A cloud band is one wide, low quad.
constexpr float CLOUD_WIDTH = 200;
constexpr float CLOUD_HEIGHT = 50;

void CirclingSprite::init(SpriteLook shown, float degreesPerSecond, float startAngle, float y,
                          float fromCentre) {
    sprite.init(0, y, 0, CLOUD_WIDTH, CLOUD_HEIGHT, shown);
    rate = degreesPerSecond;
    angle = startAngle;
    distance = fromCentre;
}

void CirclingSprite::update(float dt) {
    angle += dt * rate;
    if (angle > 360)
        angle -= 360;
    else if (angle < 0)
        angle += 360;
}
