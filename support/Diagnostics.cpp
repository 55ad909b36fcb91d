#include "support/Diagnostics.h"

std::FILE* diagnosticStream = stdout;

void printDiagnostic(const char* line) {
    std::fputs(line, diagnosticStream ? diagnosticStream : stdout);
}
