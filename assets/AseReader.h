#pragma once

#include "assets/Model.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Files larger than this are refused before they are read: no model of the
// game comes near it, and reading one would only exhaust memory.
constexpr size_t MAX_ASE_FILE_BYTES = size_t{256} << 20;
// No vertex, face or texture-vertex count may exceed this, nor the number of
// bytes in its own section: every entry needs a line of its own.
constexpr int32_t MAX_MESH_ENTRIES = int32_t{1} << 22;
constexpr int32_t MAX_MATERIALS = 4096;

// What a read found wrong. error is set when the whole file was refused;
// the two counts are lines and faces passed over in a file that was kept.
struct AseReport {
    std::string error;
    int32_t skippedLines = 0;
    int32_t droppedFaces = 0;
};

// Reads an ASE text held in memory into model. Returns false and leaves model
// untouched when the text is refused; report (may be null) says why.
bool parseAse(const char* text, size_t size, Model* model, AseReport* report);

// Reads one ASE file into model, reporting any fault on standard error as one
// line. Returns false, leaving model untouched, when the file cannot be opened
// or is refused.
bool loadAse(Model* model, const char* path);
