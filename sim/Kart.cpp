#include "sim/Kart.h"

Kart::Kart(const uint32_t* textureIds, int kartId) : id(kartId) {
    (void)textureIds; // the shadow, brake-light and exhaust textures come with drawing
    halfSize = divide(size, 2);
}

void Kart::setColour(int8_t red, int8_t green, int8_t blue) {
    colour[0] = red;
    colour[1] = green;
    colour[2] = blue;
}
