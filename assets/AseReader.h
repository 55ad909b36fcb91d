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

// The same read following the format's word-by-word rules alone, which is
// what parseAse does for any text that its one pass over the lines
// (readAseOnePass below) declines. Both give the same Model and report.
bool parseAseWordByWord(const char* text, size_t size, Model* model, AseReport* report);

// Reads one ASE file into model, reporting any fault on standard error as one
// line. Returns false, leaving model untouched, when the file cannot be opened
// or is refused.
bool loadAse(Model* model, const char* path);

// Reads an ASE text laid out as exporters write it in one pass over its
// lines, to the same Model and report as the word-by-word rules give, which
// take one pass per kind of line over every section. Returns false, touching
// neither model nor report, for a text where a line could read differently
// under those rules (a keyword after another on a line, numbers looked for
// past a line end, a count after the lines it counts) and for a text that is
// refused: parseAseWordByWord then decides.
bool readAseOnePass(const char* text, size_t size, Model* model, AseReport* report);

// Pieces of a file are read through this much memory, which the allocator
// reuses from one file to the next; it grows only for a longer line.
constexpr size_t ASE_PIECE_BYTES = 64 << 10;

// The same pass over an open regular file, read in pieces through a small
// buffer so that a large file is never held whole. Also returns false when
// the file cannot be read to its end or is larger than MAX_ASE_FILE_BYTES:
// the caller then reads it whole, to report why or to read it word by word.
bool readAseFileOnePass(int fd, Model* model, AseReport* report,
                        size_t pieceBytes = ASE_PIECE_BYTES);
