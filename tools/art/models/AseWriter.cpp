#include "tools/art/models/AseWriter.h"

#include <cstdio>

namespace {

// Fixed four decimals: identical text on every run and every machine.
std::string number(float v) {
    char buf[32];
    if (v > -0.00005f && v < 0.00005f)
        v = 0; // never write "-0.0000"
    std::snprintf(buf, sizeof buf, "%.4f", v);
    return buf;
}

void writeMaterials(std::string* out, const SculptedModel& model) {
    *out += "*MATERIAL_LIST {\n";
    *out += "\t*MATERIAL_COUNT " + std::to_string(model.parts.size()) + "\n";
    for (size_t i = 0; i < model.parts.size(); ++i) {
        const Part& part = model.parts[i];
        *out += "\t*MATERIAL " + std::to_string(i) + " {\n";
        *out += "\t\t*MATERIAL_NAME \"" + part.name + "\"\n";
        *out += "\t\t*MATERIAL_CLASS \"Standard\"\n";
        *out += "\t\t*MATERIAL_DIFFUSE " + number(part.colour.r) + "\t" + number(part.colour.g) +
                "\t" + number(part.colour.b) + "\n";
        *out += "\t\t*UVW_U_TILING 1.0000\n";
        *out += "\t\t*UVW_V_TILING 1.0000\n";
        *out += "\t}\n";
    }
    *out += "}\n";
}

void writeObject(std::string* out, const Part& part, size_t materialIndex) {
    const Mesh& mesh = part.mesh;
    *out += "*GEOMOBJECT {\n";
    *out += "\t*NODE_NAME \"" + part.name + "\"\n";
    *out += "\t*MESH {\n";
    *out += "\t\t*TIMEVALUE 0\n";
    *out += "\t\t*MESH_NUMVERTEX " + std::to_string(mesh.vertices.size()) + "\n";
    *out += "\t\t*MESH_NUMFACES " + std::to_string(mesh.triangles.size()) + "\n";
    *out += "\t\t*MESH_VERTEX_LIST {\n";
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vec3& v = mesh.vertices[i];
        *out += "\t\t\t*MESH_VERTEX " + std::to_string(i) + "\t" + number(v.x) + "\t" +
                number(-v.z) + "\t" + number(v.y) + "\n";
    }
    *out += "\t\t}\n";
    *out += "\t\t*MESH_FACE_LIST {\n";
    for (size_t i = 0; i < mesh.triangles.size(); ++i) {
        const Triangle& t = mesh.triangles[i];
        *out += "\t\t\t*MESH_FACE " + std::to_string(i) + ":\tA:\t" + std::to_string(t.a) +
                " B:\t" + std::to_string(t.b) + " C:\t" + std::to_string(t.c) +
                " AB:\t1 BC:\t1 CA:\t1\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n";
    }
    *out += "\t\t}\n";
    *out += "\t}\n";
    *out += "\t*MATERIAL_REF " + std::to_string(materialIndex) + "\n";
    *out += "}\n";
}

} // namespace

std::string aseText(const SculptedModel& model) {
    std::string out = "*3DSMAX_ASCIIEXPORT\t200\n";
    out += "*COMMENT \"Vorlane Kart model " + model.fileName + ", written by vk-sculpt\"\n";
    writeMaterials(&out, model);
    for (size_t i = 0; i < model.parts.size(); ++i)
        writeObject(&out, model.parts[i], i);
    return out;
}
