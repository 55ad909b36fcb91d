#pragma once

// A large ASE text for the reader benches: a grid of quads per object,
// written as an exporter would, with a material, texture vertices and faces,
// and the face-line fields the reader passes over.

#include <cstdio>
#include <string>

// The side of the largest square grid of at most verticesPerObject vertices,
// and never below 2.
inline int gridSide(int verticesPerObject) {
    int side = 2;
    while ((side + 1) * (side + 1) <= verticesPerObject)
        ++side;
    return side;
}

// Two triangles per grid square: face number and corners.
template <typename F> void forEachFace(int side, F&& face) {
    int f = 0;
    for (int y = 0; y + 1 < side; ++y)
        for (int x = 0; x + 1 < side; ++x) {
            int a = y * side + x;
            face(f++, a, a + 1, a + side + 1);
            face(f++, a, a + side + 1, a + side);
        }
}

inline std::string generateAse(int objects, int side) {
    std::string text = "*3DSMAX_ASCIIEXPORT\t200\n*MATERIAL_LIST {\n\t*MATERIAL_COUNT 1\n"
                       "\t*MATERIAL 0 {\n\t\t*MATERIAL_NAME \"grid\"\n\t\t*MAP_DIFFUSE {\n"
                       "\t\t\t*BITMAP \"grid.tga\"\n\t\t\t*UVW_U_TILING 2.0\n"
                       "\t\t\t*UVW_V_TILING 2.0\n\t\t}\n\t}\n}\n";
    char line[160];
    int vertices = side * side, faces = 2 * (side - 1) * (side - 1);
    for (int o = 0; o < objects; ++o) {
        std::snprintf(line, sizeof line,
                      "*GEOMOBJECT {\n\t*NODE_NAME \"grid%d\"\n\t*MESH {\n\t\t*MESH_NUMVERTEX %d\n"
                      "\t\t*MESH_NUMFACES %d\n\t\t*MESH_VERTEX_LIST {\n",
                      o, vertices, faces);
        text += line;
        for (int v = 0; v < vertices; ++v) {
            std::snprintf(line, sizeof line, "\t\t\t*MESH_VERTEX %5d\t%.4f\t%.4f\t%.4f\n", v,
                          static_cast<double>(v % side), static_cast<double>(v / side),
                          static_cast<double>(o) + 0.01 * (v % 7));
            text += line;
        }
        text += "\t\t}\n\t\t*MESH_FACE_LIST {\n";
        forEachFace(side, [&](int f, int a, int b, int c) {
            std::snprintf(line, sizeof line,
                          "\t\t\t*MESH_FACE %5d:    A: %5d B: %5d C: %5d AB:    1 BC:    "
                          "1 CA:    0\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n",
                          f, a, b, c);
            text += line;
        });
        // One texture vertex per vertex, and a texture face for every face:
        // an importer may take the one without the other as broken.
        std::snprintf(line, sizeof line, "\t\t}\n\t\t*MESH_NUMTVERTEX %d\n\t\t*MESH_TVERTLIST {\n",
                      vertices);
        text += line;
        for (int v = 0; v < vertices; ++v) {
            std::snprintf(line, sizeof line, "\t\t\t*MESH_TVERT %d\t%.4f\t%.4f\t0.0000\n", v,
                          static_cast<double>(v % side) / (side - 1),
                          static_cast<double>(v / side) / (side - 1));
            text += line;
        }
        std::snprintf(line, sizeof line, "\t\t}\n\t\t*MESH_NUMTVFACES %d\n\t\t*MESH_TFACELIST {\n",
                      faces);
        text += line;
        forEachFace(side, [&](int f, int a, int b, int c) {
            std::snprintf(line, sizeof line, "\t\t\t*MESH_TFACE %d\t%d\t%d\t%d\n", f, a, b, c);
            text += line;
        });
        text += "\t\t}\n\t}\n\t*MATERIAL_REF 0\n}\n";
    }
    return text;
}

// Writes text to path; false when it cannot.
inline bool writeText(const char* path, const std::string& text) {
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    bool whole = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && whole;
}
