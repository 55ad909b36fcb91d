// Virtual game controllers for the end-to-end tests, loaded into the real
// game with LD_PRELOAD. SDL's virtual joysticks live only in the process
// that made them, so this library makes them inside the game: when SDL's
// joysticks start it plugs in VK_VIRTUAL_PADS pads (1 to 4, default 1), and
// once a drawn frame it moves them by the lines a test has appended to the
// file VK_VIRTUAL_PAD_FILE:
//
//   N BUTTON down|up   a b x y back guide start leftstick rightstick
//                      leftshoulder rightshoulder dpup dpdown dpleft dpright
//   N AXIS VALUE       leftx lefty rightx righty: -32768 .. 32767;
//                      lefttrigger righttrigger: 0 (at rest) .. 32767
//   N unplug | N plug
//
// N is the pad from 1; values are what the game reads through SDL's
// controller layer. A bad line is skipped after one line on standard error
// naming the file and the line. Each button and axis changes at most once a
// frame, so that the game sees every change: a line that would change one
// again waits, with all after it, for the next frame. After each frame that
// took lines, VK_VIRTUAL_PAD_FILE.ack holds how many lines have been taken
// in all (bad and blank ones too), so that a test can wait for the game to
// have had them. Without VK_VIRTUAL_PAD_FILE the library does nothing.

#include <SDL.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The vendor and product the tests let SDL take for a controller, as the
// pad unit tests do.
constexpr Uint16 TEST_VENDOR = 0x1209;
constexpr Uint16 TEST_PRODUCT = 0x5650;
constexpr int MAX_PADS = 4;
constexpr int BUTTONS = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
constexpr int AXES = SDL_CONTROLLER_AXIS_MAX;

struct Pad {
    bool plugged = false;
    SDL_Joystick* joystick = nullptr;  // our own handle, to move it
    int id = -1;                       // SDL's instance id
    bool changed[BUTTONS + AXES] = {}; // this frame's: buttons, then axes
};

struct VirtualPads {
    bool active = false;
    bool midFrame = false; // the last poll returned an event: the frame's loop goes on
    std::string file, ack;
    off_t offset = 0; // where the lines not yet taken begin
    long line = 0;    // lines taken: the ack's count, and the file's line numbers
    int count = 0;
    Pad pads[MAX_PADS];
};

VirtualPads state;

template <typename F> F real(const char* name) {
    void* f = dlsym(RTLD_NEXT, name);
    if (f == nullptr) {
        std::fprintf(stderr, "vk-virtual-pad: no %s to pass on to: %s\n", name, dlerror());
        std::abort();
    }
    return reinterpret_cast<F>(f);
}

void say(const char* what) {
    std::fprintf(stderr, "vk-virtual-pad: %s line %ld skipped: %s\n", state.file.c_str(),
                 state.line, what);
}

bool plugIn(Pad& pad, int number) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = AXES;
    desc.nbuttons = BUTTONS;
    desc.vendor_id = TEST_VENDOR;
    desc.product_id = TEST_PRODUCT;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    SDL_Joystick* joystick = index < 0 ? nullptr : SDL_JoystickOpen(index);
    if (joystick == nullptr) {
        std::fprintf(stderr, "vk-virtual-pad: pad %d not plugged in: %s\n", number, SDL_GetError());
        if (index >= 0)
            SDL_JoystickDetachVirtual(index);
        return false;
    }
    pad.plugged = true;
    pad.joystick = joystick;
    pad.id = SDL_JoystickInstanceID(joystick);
    return true;
}

// Detaching takes a device index, which shifts as pads come and go.
void unplug(Pad& pad) {
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
        if (SDL_JoystickGetDeviceInstanceID(index) == pad.id) {
            SDL_JoystickClose(pad.joystick);
            SDL_JoystickDetachVirtual(index);
            break;
        }
    pad.plugged = false;
    pad.joystick = nullptr;
    pad.id = -1;
}

void writeAck() {
    const std::string temp = state.ack + ".tmp";
    std::FILE* out = std::fopen(temp.c_str(), "w");
    bool ok = out != nullptr && std::fprintf(out, "%ld\n", state.line) > 0;
    if (out != nullptr)
        ok = std::fclose(out) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), state.ack.c_str()) != 0)
        std::fprintf(stderr, "vk-virtual-pad: cannot write %s: %s\n", state.ack.c_str(),
                     std::strerror(errno));
}

// After SDL's joysticks start (again: SDL lets go of every virtual one
// when they stop).
void start() {
    state = VirtualPads{};
    const char* file = std::getenv("VK_VIRTUAL_PAD_FILE");
    if (file == nullptr || *file == 0)
        return;
    state.active = true;
    state.file = file;
    state.ack = state.file + ".ack";
    state.count = 1;
    if (const char* count = std::getenv("VK_VIRTUAL_PADS")) {
        char* end = nullptr;
        const long n = std::strtol(count, &end, 10);
        if (*count != 0 && *end == 0 && n >= 1 && n <= MAX_PADS)
            state.count = static_cast<int>(n);
        else
            std::fprintf(stderr, "vk-virtual-pad: VK_VIRTUAL_PADS=\"%s\" is not 1 to %d: 1 pad\n",
                         count, MAX_PADS);
    }
    for (int p = 0; p < state.count; ++p)
        plugIn(state.pads[p], p + 1);
    writeAck();
}

const char* const BUTTON_NAMES[BUTTONS] = {
    "a",
    "b",
    "x",
    "y",
    "back",
    "guide",
    "start",
    "leftstick",
    "rightstick",
    "leftshoulder",
    "rightshoulder",
    "dpup",
    "dpdown",
    "dpleft",
    "dpright",
};
const char* const AXIS_NAMES[AXES] = {"leftx",  "lefty",       "rightx",
                                      "righty", "lefttrigger", "righttrigger"};

template <size_t N> int indexOf(const char* const (&names)[N], const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (name == names[i])
            return static_cast<int>(i);
    return -1;
}

bool integer(const std::string& text, long& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == 0 && errno == 0;
}

// The raw joystick value the controller layer reads back as value: a
// trigger's whole axis is its 0 .. 32767.
Sint16 rawAxis(int axis, long value) {
    if (axis != SDL_CONTROLLER_AXIS_TRIGGERLEFT && axis != SDL_CONTROLLER_AXIS_TRIGGERRIGHT)
        return static_cast<Sint16>(value);
    return static_cast<Sint16>((value * 65535 + 32766) / 32767 - 32768);
}

enum class Taken { APPLIED, SKIPPED, WAIT };

// One line, without its newline.
Taken apply(const std::string& text) {
    std::vector<std::string> words;
    for (size_t at = 0; at < text.size();) {
        const size_t begin = text.find_first_not_of(" \t\r", at);
        if (begin == std::string::npos)
            break;
        const size_t end = std::min(text.find_first_of(" \t\r", begin), text.size());
        words.push_back(text.substr(begin, end - begin));
        at = end;
    }
    if (words.empty())
        return Taken::SKIPPED;
    long number = 0;
    if (!integer(words[0], number) || number < 1 || number > state.count) {
        const std::string why = "no pad \"" + words[0].substr(0, 20) + "\" (pads 1 to " +
                                std::to_string(state.count) + ")";
        say(why.c_str());
        return Taken::SKIPPED;
    }
    Pad& pad = state.pads[number - 1];
    const std::string what = words.size() > 1 ? words[1] : "";
    bool anyChanged = false;
    for (bool c : pad.changed)
        anyChanged = anyChanged || c;
    if (what == "plug" || what == "unplug") {
        if (words.size() != 2) {
            say("nothing may follow plug or unplug");
            return Taken::SKIPPED;
        }
        if (pad.plugged == (what == "plug")) {
            say(pad.plugged ? "the pad is plugged in already" : "the pad is unplugged already");
            return Taken::SKIPPED;
        }
        if (anyChanged)
            return Taken::WAIT;
        for (bool& c : pad.changed)
            c = true;
        if (what == "unplug")
            unplug(pad);
        else if (!plugIn(pad, static_cast<int>(number)))
            return Taken::SKIPPED;
        return Taken::APPLIED;
    }
    const int button = indexOf(BUTTON_NAMES, what);
    const int axis = indexOf(AXIS_NAMES, what);
    if (button < 0 && axis < 0) {
        say(what.empty()
                ? "no button, axis, plug or unplug after the pad"
                : ("\"" + what.substr(0, 20) + "\" is no button, axis, plug or unplug").c_str());
        return Taken::SKIPPED;
    }
    if (words.size() != 3) {
        say(button >= 0 ? "a button takes down or up" : "an axis takes one value");
        return Taken::SKIPPED;
    }
    long value = 0;
    if (button >= 0) {
        if (words[2] != "down" && words[2] != "up") {
            say("a button takes down or up");
            return Taken::SKIPPED;
        }
        value = words[2] == "down";
    } else {
        const bool trigger =
            axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
        const long low = trigger ? 0 : -32768;
        if (!integer(words[2], value) || value < low || value > 32767) {
            say(trigger ? "a trigger takes 0 to 32767" : "a stick takes -32768 to 32767");
            return Taken::SKIPPED;
        }
    }
    if (!pad.plugged) {
        say("the pad is unplugged");
        return Taken::SKIPPED;
    }
    bool& changed = pad.changed[button >= 0 ? button : BUTTONS + axis];
    if (changed)
        return Taken::WAIT;
    changed = true;
    const int set = button >= 0
                        ? SDL_JoystickSetVirtualButton(pad.joystick, button, value ? 1 : 0)
                        : SDL_JoystickSetVirtualAxis(pad.joystick, axis, rawAxis(axis, value));
    if (set != 0) {
        say(SDL_GetError());
        return Taken::SKIPPED;
    }
    return Taken::APPLIED;
}

// The complete lines appended since the last frame; a partial last line
// waits for its newline.
void takeLines() {
    const int fd = open(state.file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return; // nothing sent yet
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = pread(fd, buffer, sizeof buffer, state.offset + static_cast<off_t>(text.size()))) >
           0)
        text.append(buffer, static_cast<size_t>(n));
    close(fd);
    for (Pad& pad : state.pads)
        for (bool& c : pad.changed)
            c = false;
    const long before = state.line;
    size_t at = 0;
    for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
        ++state.line;
        if (apply(text.substr(at, end - at)) == Taken::WAIT) {
            --state.line;
            break;
        }
        state.offset += static_cast<off_t>(end + 1 - at);
    }
    if (state.line != before)
        writeAck();
}

void afterInit(bool joysticksWereUp) {
    if (!joysticksWereUp && SDL_WasInit(SDL_INIT_JOYSTICK) != 0)
        start();
}

} // namespace

extern "C" {

// The game starts its pads with SDL_Init; SDL_InitSubSystem likewise, in
// case a caller takes that way.
int SDL_Init(Uint32 flags) {
    static const auto next = real<int (*)(Uint32)>("SDL_Init");
    const bool up = SDL_WasInit(SDL_INIT_JOYSTICK) != 0;
    const int result = next(flags);
    if (result == 0)
        afterInit(up);
    return result;
}

int SDL_InitSubSystem(Uint32 flags) {
    static const auto next = real<int (*)(Uint32)>("SDL_InitSubSystem");
    const bool up = SDL_WasInit(SDL_INIT_JOYSTICK) != 0;
    const int result = next(flags);
    if (result == 0)
        afterInit(up);
    return result;
}

// A frame's poll loop begins where the last one ended on no event. The
// lines go in before SDL pumps its joysticks in this same call, so the
// frame's events and its held state both carry them.
int SDL_PollEvent(SDL_Event* event) {
    static const auto next = real<int (*)(SDL_Event*)>("SDL_PollEvent");
    if (state.active && !state.midFrame)
        takeLines();
    const int result = next(event);
    state.midFrame = result != 0;
    return result;
}
}
