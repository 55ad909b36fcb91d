// How long the model reader takes over a large generated ASE file: the whole
// of start-up's model loading is seventeen much smaller ones.
//
//   vk-ase-load [OBJECTS [VERTICES_PER_OBJECT]]

#include "assets/AseReader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A grid of quads per object, written as an exporter would.
static std::string generateAse(int objects, int side) {
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
        int f = 0;
        for (int y = 0; y + 1 < side; ++y)
            for (int x = 0; x + 1 < side; ++x) {
                int a = y * side + x;
                for (int half = 0; half < 2; ++half) {
                    int b = half ? a + side + 1 : a + 1, c = half ? a + side : a + side + 1;
                    std::snprintf(line, sizeof line,
                                  "\t\t\t*MESH_FACE %5d:    A: %5d B: %5d C: %5d AB:    1 BC:    "
                                  "1 CA:    0\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n",
                                  f++, a, b, c);
                    text += line;
                }
            }
        text += "\t\t}\n\t\t*MESH_NUMTVERTEX 4\n\t\t*MESH_TVERTLIST {\n"
                "\t\t\t*MESH_TVERT 0\t0.0\t0.0\t0.0\n\t\t\t*MESH_TVERT 3\t1.0\t1.0\t0.0\n\t\t}\n"
                "\t}\n\t*MATERIAL_REF 0\n}\n";
    }
    return text;
}

int main(int argc, char** argv) {
    int objects = argc > 1 ? std::atoi(argv[1]) : 20;
    int verticesPerObject = argc > 2 ? std::atoi(argv[2]) : 10000;
    int side = 2;
    while ((side + 1) * (side + 1) <= verticesPerObject)
        ++side;
    std::string text = generateAse(objects, side);
    std::filesystem::path path = std::filesystem::temp_directory_path() / "vk-bench-large.ase";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return 1;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);

    const int runs = 5;
    double best = 1e9;
    Model model;
    for (int run = 0; run < runs; ++run) {
        Model fresh;
        auto start = std::chrono::steady_clock::now();
        loadAse(&fresh, path.c_str());
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = seconds < best ? seconds : best;
        model = std::move(fresh);
    }
    std::filesystem::remove(path);
    long faces = 0;
    for (const MeshObject& mesh : model.objects)
        faces += mesh.faceCount;
    double megabytes = static_cast<double>(text.size()) / (1 << 20);
    std::printf("ase-load: %d objects, %d vertices and %ld faces in all, %.1f MiB\n",
                model.objectCount, objects * side * side, faces, megabytes);
    std::printf("ase-load: best of %d loads %.3f s, %.1f MiB/s\n", runs, best, megabytes / best);
    return 0;
}
