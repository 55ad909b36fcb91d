#pragma once

#include "support/Vec3.h"

#include <cstdint>
#include <vector>

// One colour for glColor3b: 127 is full intensity.
struct ShadeColor {
    int8_t r = 0, g = 0, b = 0;
};

struct Face {
    int32_t a = 0, b = 0, c = 0;    // vertex indices
    int32_t ta = 0, tb = 0, tc = 0; // texture-vertex indices
};

struct TexVertex {
    float u = 0, v = 0;
};

// One *GEOMOBJECT of an ASE file. The arrays own their storage, so a bad
// index in a file can be checked against their sizes rather than trusted.
struct MeshObject {
    int32_t vertexCount = 0;
    int32_t faceCount = 0;
    int32_t texVertexCount = 0;
    int32_t materialRef = -1;
    uint8_t hasTexCoords = 0;
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    std::vector<TexVertex> texVertices;
    std::vector<Face> faces;
    ShadeColor shadeColors[3]; // lit, middle, dark
    Vec3 lightDir;
};

struct Material {
    char name[255] = {};
    char bitmap[255] = {};
    float diffuse[3] = {0, 0, 0};
    float uTiling = 0;
    float vTiling = 0;
};

// One ASE file in memory.
struct Model {
    int32_t objectCount = 0;
    int32_t materialCount = 0;
    std::vector<Material> materials;
    std::vector<MeshObject> objects;
};
