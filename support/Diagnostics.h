#pragma once

#include <cstdio>

// Where the game's few diagnostic lines go: standard output in the game,
// standard error in tools whose standard output is data.
extern std::FILE* diagnosticStream;

// Writes one diagnostic line (the text carries its own newline).
void printDiagnostic(const char* line);
