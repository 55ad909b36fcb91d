#include "ReplayScript.h"

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "app/cpu/CpuPlayers.h"

#include <algorithm>
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
        frame.ms = frameMilliseconds(fields[0]);
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

bool ScriptPlayer::play(World& world, const ReplayFrame& frame) {
    for (char key : held)
        if (frame.keys.find(key) == std::string::npos)
            keyUp(world, static_cast<unsigned char>(key));
    for (char key : frame.keys)
        if (held.find(key) == std::string::npos)
            keyDown(world, static_cast<unsigned char>(key));
    held = frame.keys;
    if (world.awaitingModeSelection) {
        // As in the game, the choosing frame's own time is not played.
        if (chooseMode(world))
            loop.restart(world);
        return false;
    }
    if (frameStep)
        playFrame(world, frame.dt);
    else
        loop.advance(world, frame.ms);
    return true;
}

int32_t frameMilliseconds(const std::string& seconds) {
    // Decimal digits, a point and an exponent are read exactly, so 0.0165
    // is 16.5 ms and rounds up, as a binary float of it would not.
    size_t i = 0;
    if (i < seconds.size() && (seconds[i] == '+' || seconds[i] == '-'))
        ++i;
    std::string digits;
    long long point = -1; // digits before the decimal point
    for (; i < seconds.size(); ++i) {
        const char c = seconds[i];
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c == '.' && point < 0)
            point = static_cast<long long>(digits.size());
        else
            break;
    }
    if (point < 0)
        point = static_cast<long long>(digits.size());
    long long exponent = 0;
    bool plain = !digits.empty();
    if (plain && i < seconds.size() && (seconds[i] == 'e' || seconds[i] == 'E')) {
        ++i;
        const bool negative = i < seconds.size() && seconds[i] == '-';
        if (i < seconds.size() && (seconds[i] == '+' || seconds[i] == '-'))
            ++i;
        plain = i < seconds.size();
        for (; i < seconds.size() && seconds[i] >= '0' && seconds[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (seconds[i] - '0'), 100000LL);
        if (negative)
            exponent = -exponent;
    }
    if (!plain || i != seconds.size()) {
        // Any other form strtof takes (hexadecimal, say): through a double.
        const double ms = std::strtod(seconds.c_str(), nullptr) * 1000;
        return static_cast<int32_t>(std::llround(std::fmin(std::fmax(ms, -2e9), 2e9)));
    }
    // The milliseconds' whole part is the first `whole` digits.
    const long long whole = point + exponent + 3;
    long long ms = 0;
    for (long long d = 0; d < whole && ms < 10000000000LL; ++d)
        ms = ms * 10 + (d < static_cast<long long>(digits.size()) ? digits[d] - '0' : 0);
    if (whole >= 0 && whole < static_cast<long long>(digits.size()) && digits[whole] >= '5')
        ++ms;
    ms = std::min(ms, 2000000000LL);
    return static_cast<int32_t>(seconds[0] == '-' ? -ms : ms);
}

bool parseCpuLevel(const std::string& name, CpuLevel* level) {
    for (int l = 0; l < CPU_LEVELS; ++l)
        if (name == cpuLevelName(static_cast<CpuLevel>(l))) {
            *level = static_cast<CpuLevel>(l);
            return true;
        }
    return false;
}

int takeCpuOption(int argc, char** argv, int i, CpuPlayers* cpu, std::string* error) {
    const std::string option = argv[i];
    if (option != "--cpu" && option != "--level")
        return 0;
    const std::string value = i + 1 < argc ? argv[i + 1] : "";
    if (option == "--level") {
        if (parseCpuLevel(value, &cpu->level))
            return 2;
        *error = "--level takes easy, normal or hard";
        return -1;
    }
    if (value != "1" && value != "2" && value != "both") {
        *error = "--cpu takes 1, 2 or both";
        return -1;
    }
    cpu->drives[0] = value != "2";
    cpu->drives[1] = value != "1";
    return 2;
}

std::string cpuOptions(const CpuPlayers& cpu) {
    if (!cpu.drives[0] && !cpu.drives[1])
        return "";
    const char* seats = cpu.drives[0] && cpu.drives[1] ? "both" : cpu.drives[0] ? "1" : "2";
    return std::string("--cpu ") + seats + " --level " + cpuLevelName(cpu.level);
}
