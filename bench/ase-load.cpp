// How long the model reader takes over a large generated ASE file: the whole
// of start-up's model loading is seventeen much smaller ones.
//
//   vk-ase-load [OBJECTS [VERTICES_PER_OBJECT]]

#include "GeneratedAse.h"

#include "assets/AseReader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    int objects = argc > 1 ? std::atoi(argv[1]) : 20;
    int verticesPerObject = argc > 2 ? std::atoi(argv[2]) : 10000;
    int side = gridSide(verticesPerObject);
    std::string text = generateAse(objects, side);
    std::filesystem::path path = std::filesystem::temp_directory_path() / "vk-bench-large.ase";
    if (!writeText(path.c_str(), text))
        return 1;

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
