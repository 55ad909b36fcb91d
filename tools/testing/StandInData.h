#pragma once

// Minimal but valid stand-ins for the game's images and models, for tests
// that start the game on small data of their own or damage it on purpose.

#include <cstdint>
#include <string>

// More mesh objects than any shading set of the model table addresses.
constexpr int STAND_IN_OBJECTS = 14;

// An uncompressed 32-bit TGA of side x side pixels in one colour, stored
// blue, green, red, alpha.
inline std::string standInTga(int side, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    std::string bytes(18, '\0');
    bytes[2] = 2; // uncompressed true colour
    bytes[12] = static_cast<char>(side);
    bytes[14] = static_cast<char>(side);
    bytes[16] = 32;
    bytes[17] = 8; // eight alpha bits
    for (int i = 0; i < side * side; ++i) {
        bytes += static_cast<char>(b);
        bytes += static_cast<char>(g);
        bytes += static_cast<char>(r);
        bytes += static_cast<char>(a);
    }
    return bytes;
}

// An ASE scene with objectCount small closed tetrahedra side by side, each
// with its own material reference, in the file's z-up frame.
inline std::string standInAse(int objectCount = STAND_IN_OBJECTS) {
    std::string text = "*3DSMAX_ASCIIEXPORT\t200\n*COMMENT \"stand-in\"\n"
                       "*MATERIAL_LIST {\n\t*MATERIAL_COUNT 1\n\t*MATERIAL 0 {\n"
                       "\t\t*MATERIAL_NAME \"standin\"\n\t\t*MATERIAL_DIFFUSE 0.8 0.8 0.8\n"
                       "\t}\n}\n";
    for (int i = 0; i < objectCount; ++i) {
        float x = static_cast<float>(i) * 2;
        text += "*GEOMOBJECT {\n\t*NODE_NAME \"part" + std::to_string(i) + "\"\n\t*MESH {\n";
        text += "\t\t*MESH_NUMVERTEX 4\n\t\t*MESH_NUMFACES 4\n\t\t*MESH_VERTEX_LIST {\n";
        const float corners[4][3] = {{x, 0, 0}, {x + 1, 0, 0}, {x, 1, 0}, {x, 0, 1}};
        for (int v = 0; v < 4; ++v)
            text += "\t\t\t*MESH_VERTEX " + std::to_string(v) + "\t" +
                    std::to_string(corners[v][0]) + "\t" + std::to_string(corners[v][1]) + "\t" +
                    std::to_string(corners[v][2]) + "\n";
        text += "\t\t}\n\t\t*MESH_FACE_LIST {\n";
        // Counter-clockwise seen from outside.
        const int faces[4][3] = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
        for (int f = 0; f < 4; ++f)
            text += "\t\t\t*MESH_FACE " + std::to_string(f) +
                    ":    A:    " + std::to_string(faces[f][0]) +
                    " B:    " + std::to_string(faces[f][1]) +
                    " C:    " + std::to_string(faces[f][2]) +
                    " AB:    1 BC:    1 CA:    1\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n";
        text += "\t\t}\n\t}\n\t*MATERIAL_REF 0\n}\n";
    }
    return text;
}
