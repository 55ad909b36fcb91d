// Any bytes as a model file: the reader must neither crash nor read or write
// outside its arrays, and what it keeps must be safe to draw.
#include "assets/AseReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Model model;
    AseReport report;
    if (!parseAse(reinterpret_cast<const char*>(data), size, &model, &report))
        return 0;
    // What a renderer would touch: every face corner and normal.
    if (model.objectCount != static_cast<int32_t>(model.objects.size()) ||
        model.materialCount != static_cast<int32_t>(model.materials.size()))
        std::abort();
    for (const MeshObject& mesh : model.objects) {
        if (mesh.faceCount != static_cast<int32_t>(mesh.faces.size()) ||
            mesh.vertexCount != static_cast<int32_t>(mesh.vertices.size()) ||
            mesh.normals.size() != mesh.vertices.size())
            std::abort();
        if (mesh.materialRef < -1 || mesh.materialRef >= model.materialCount)
            std::abort();
        for (const Face& face : mesh.faces)
            for (int32_t k : {face.a, face.b, face.c})
                if (k < 0 || k >= mesh.vertexCount)
                    std::abort();
    }
    return 0;
}
