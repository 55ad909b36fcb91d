#include "ReplayScript.h"

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

// Longer than any frame a player could sit through; a longer one is a typo.
constexpr float LONGEST_FRAME = 3600;

std::vector<std::string> fieldsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    return fields;
}

bool fail(std::string* error, size_t lineNumber, const std::string& what) {
    *error = "line " + std::to_string(lineNumber) + ": " + what;
    return false;
}

bool parseSeed(const std::string& text, unsigned* seed) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value > 0xffffffffUL)
        return false;
    *seed = static_cast<unsigned>(value);
    return true;
}

bool parseFrameTime(const std::string& text, float* dt) {
    errno = 0;
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || errno != 0 || !std::isfinite(value))
        return false;
    *dt = value;
    return true;
}

} // namespace

bool parseReplayScript(const std::string& text, ReplayScript* script, std::string* error) {
    ReplayScript read;
    std::istringstream in(text);
    std::string line;
    size_t lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields.empty() || fields[0][0] == '#')
            continue;
        if (fields[0] == "seed") {
            if (!read.frames.empty())
                return fail(error, lineNumber, "the seed must come before the first frame");
            if (fields.size() != 2 || !parseSeed(fields[1], &read.seed))
                return fail(error, lineNumber, "expected \"seed N\" with N from 0 to 4294967295");
            continue;
        }
        ReplayFrame frame;
        if (!parseFrameTime(fields[0], &frame.dt))
            return fail(error, lineNumber, "\"" + fields[0] + "\" is not a frame time in seconds");
        if (frame.dt < 0 || frame.dt > LONGEST_FRAME)
            return fail(error, lineNumber, "frame time " + fields[0] + " is outside 0 to 3600 s");
        if (fields.size() < 2)
            return fail(error, lineNumber, "no keys after the frame time (\"-\" for none)");
        if (fields.size() > 2)
            return fail(error, lineNumber, "more than a frame time and one run of keys");
        if (fields[1] != "-") {
            // A key typed twice is still one held key.
            for (char key : fields[1])
                if (frame.keys.find(key) == std::string::npos)
                    frame.keys += key;
        }
        read.frames.push_back(frame);
    }
    *script = std::move(read);
    return true;
}

bool playScriptFrame(World& world, const ReplayFrame& frame, std::string& held) {
    for (char key : held)
        if (frame.keys.find(key) == std::string::npos)
            keyUp(world, static_cast<unsigned char>(key));
    for (char key : frame.keys)
        if (held.find(key) == std::string::npos)
            keyDown(world, static_cast<unsigned char>(key));
    held = frame.keys;
    if (world.awaitingModeSelection) {
        chooseMode(world);
        return false;
    }
    playFrame(world, frame.dt);
    return true;
}
