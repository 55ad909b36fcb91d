#pragma once

#include <string>

// Writes text to path so that path is always either the old file or the
// whole new one: a temporary file in the same folder (made with mkstemp),
// flushed to the disk and renamed over path. Missing folders on the way are
// made (mode 0755); a file replaced keeps its permissions, a new one gets
// 0644. On any failure the temporary file is removed and the answer is
// false, with *error as "\"PATH\": what failed: the system's reason".
bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error);
