// Our model reader against Assimp's ASE importer, over the game's 17 model
// files and over one large generated file. Both do whole loads from a file
// (open, read, parse, build their model): loadAse against
// Assimp::Importer::ReadFile(path, 0), which runs no post-processing step.
// Releasing the models is left out of both times. Reported, never judged.
//
//   vk-ase-compare [--row] [--runs N] [--large-runs N] [--large-objects N] [DATA]
//
// DATA is the folder of the model files (the build's data by default). Each
// comparison runs with fresh and then with reused memory (see BenchTimes.h).
// --row prints one "bench NAME memory M files ... ratio R runs N" line per
// comparison instead of the table.

#include "BenchTimes.h"
#include "GeneratedAse.h"

#include "assets/AseReader.h"
#include "assets/ModelTable.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    bool row = false;
    int runs = 20;
    int largeRuns = 5;
    int largeObjects = 20;
    std::string data = VK_BENCH_DATA_DIR;
};

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        auto number = [&](int* value) {
            if (i + 1 >= argc)
                return false;
            *value = std::atoi(argv[++i]);
            return *value > 0;
        };
        if (!std::strcmp(argv[i], "--row"))
            options->row = true;
        else if (!std::strcmp(argv[i], "--runs")) {
            if (!number(&options->runs))
                return false;
        } else if (!std::strcmp(argv[i], "--large-runs")) {
            if (!number(&options->largeRuns))
                return false;
        } else if (!std::strcmp(argv[i], "--large-objects")) {
            if (!number(&options->largeObjects))
                return false;
        } else if (argv[i][0] == '-')
            return false;
        else
            options->data = argv[i];
    }
    return true;
}

// Times both readers over the same files, in alternating order from run to
// run, after one untimed load each that fills the file cache.
bool compare(const std::vector<std::string>& paths, int runs, Comparison* c) {
    std::vector<Assimp::Importer> importers(paths.size());
    auto loadOurs = [&](std::vector<Model>* models) {
        bool all = true;
        for (size_t i = 0; i < paths.size(); ++i)
            all = loadAse(&(*models)[i], paths[i].c_str()) && all;
        return all;
    };
    auto loadTheirs = [&] {
        bool all = true;
        for (size_t i = 0; i < paths.size(); ++i)
            all = importers[i].ReadFile(paths[i], 0) != nullptr && all;
        return all;
    };
    auto release = [&] {
        for (Assimp::Importer& importer : importers)
            importer.FreeScene();
    };

    {
        std::vector<Model> models(paths.size());
        if (!loadOurs(&models)) {
            std::fprintf(stderr, "ase-compare: our reader refused a file\n");
            return false;
        }
    }
    if (!loadTheirs()) {
        std::fprintf(stderr, "ase-compare: Assimp refused a file: %s\n",
                     importers[0].GetErrorString());
        return false;
    }
    release();

    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (run % 2 == 0)) {
                std::vector<Model> models(paths.size());
                c->ours.add(timeOf([&] { loadOurs(&models); }));
            } else {
                c->theirs.add(timeOf(loadTheirs));
                release();
            }
        }
    }
    c->fileCount = static_cast<int>(paths.size());
    for (const std::string& path : paths)
        c->bytes += std::filesystem::file_size(path);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, &options)) {
        std::fprintf(stderr, "usage: vk-ase-compare [--row] [--runs N] [--large-runs N] "
                             "[--large-objects N] [DATA]\n");
        return 2;
    }

    std::vector<std::string> models;
    for (const ModelFile& file : MODEL_FILES)
        models.push_back((std::filesystem::path(options.data) / file.file).string());
    // Ten thousand vertices and twice as many faces per object.
    std::string text = generateAse(options.largeObjects, gridSide(10000));
    std::filesystem::path large = std::filesystem::temp_directory_path() /
                                  ("vk-ase-compare-" + std::to_string(getpid()) + ".ase");
    if (!writeText(large.c_str(), text)) {
        std::fprintf(stderr, "ase-compare: cannot write %s\n", large.c_str());
        return 1;
    }
    text = std::string();

    std::vector<Comparison> rows;
    bool done = true;
    for (const char* memory : {"fresh", "reused"}) {
        bool reused = memory[0] == 'r';
        if (reused)
            keepFreedMemory();
        Comparison game;
        game.name = reused ? "ase-models-reused" : "ase-models";
        game.memory = memory;
        game.reference = "assimp";
        done = done && compare(models, options.runs, &game);
        game.files =
            std::to_string(models.size()) + " models, " + std::to_string(game.bytes >> 10) + " KiB";
        Comparison generated;
        generated.name = reused ? "ase-generated-reused" : "ase-generated";
        generated.memory = memory;
        generated.reference = "assimp";
        done = done && compare({large.string()}, options.largeRuns, &generated);
        char size[64];
        std::snprintf(size, sizeof size, "generated, %.1f MiB",
                      static_cast<double>(generated.bytes) / (1 << 20));
        generated.files = size;
        if (!done)
            break;
        rows.push_back(game);
        rows.push_back(generated);
    }
    std::filesystem::remove(large);
    if (!done)
        return 1;

    if (options.row)
        printRows(rows);
    else
        printTable("ASE: whole loads from file, ours (loadAse) against Assimp ReadFile(path, 0)",
                   rows);
    return 0;
}
