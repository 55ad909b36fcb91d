#include "shell/Gamepads.h"

#include <SDL.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/types.h>
#include <utility>

namespace {

// Triggers read 0 .. 32767 through the controller layer.
constexpr Sint16 TRIGGER_DOWN = 16384;
constexpr float FULL_LEAN = 32767;

// SDL's button for each PadButton that is one; triggers are axes.
constexpr SDL_GameControllerButton SDL_BUTTON_FOR[PAD_BUTTONS] = {
    SDL_CONTROLLER_BUTTON_INVALID,       // PAD_NONE
    SDL_CONTROLLER_BUTTON_A,             // PAD_A
    SDL_CONTROLLER_BUTTON_B,             // PAD_B
    SDL_CONTROLLER_BUTTON_X,             // PAD_X
    SDL_CONTROLLER_BUTTON_Y,             // PAD_Y
    SDL_CONTROLLER_BUTTON_BACK,          // PAD_BACK
    SDL_CONTROLLER_BUTTON_START,         // PAD_START
    SDL_CONTROLLER_BUTTON_LEFTSTICK,     // PAD_LEFT_STICK
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,    // PAD_RIGHT_STICK
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER,  // PAD_LEFT_SHOULDER
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, // PAD_RIGHT_SHOULDER
    SDL_CONTROLLER_BUTTON_DPAD_UP,       // PAD_DPAD_UP
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,     // PAD_DPAD_DOWN
    SDL_CONTROLLER_BUTTON_DPAD_LEFT,     // PAD_DPAD_LEFT
    SDL_CONTROLLER_BUTTON_DPAD_RIGHT,    // PAD_DPAD_RIGHT
    SDL_CONTROLLER_BUTTON_INVALID,       // PAD_LEFT_TRIGGER
    SDL_CONTROLLER_BUTTON_INVALID,       // PAD_RIGHT_TRIGGER
};

PadButton padButtonOf(int sdlButton) {
    for (int b = 0; b < PAD_BUTTONS; ++b)
        if (SDL_BUTTON_FOR[b] != SDL_CONTROLLER_BUTTON_INVALID && SDL_BUTTON_FOR[b] == sdlButton)
            return static_cast<PadButton>(b);
    return PAD_NONE; // the guide button, paddles and the like: nothing in the game
}

Gamepads::Pad* padById(std::vector<Gamepads::Pad>& pads, int id) {
    for (Gamepads::Pad& pad : pads)
        if (pad.id == id)
            return &pad;
    return nullptr;
}

// Opens every game controller not yet open. An added event's device index
// may be stale by the time it is read (a pad unplugged before it shifts the
// list), so each one is a cue to look at the whole list; instance ids grow
// with each device plugged in, so sorting by them seats pads in the order
// they came.
void openNewPads(Gamepads& gamepads, PadEvents& events) {
    std::vector<std::pair<int, int>> fresh; // instance id, device index
    const int devices = SDL_NumJoysticks();
    for (int index = 0; index < devices; ++index) {
        if (!SDL_IsGameController(index))
            continue;
        const int id = SDL_JoystickGetDeviceInstanceID(index);
        if (id >= 0 && padById(gamepads.pads, id) == nullptr)
            fresh.emplace_back(id, index);
    }
    std::sort(fresh.begin(), fresh.end());
    for (const auto& [id, index] : fresh) {
        SDL_GameController* controller = SDL_GameControllerOpen(index);
        if (controller == nullptr)
            continue;
        gamepads.pads.push_back({id, controller});
        const int seat = gamepads.seats.connect(id);
        if (seat != NO_SEAT)
            events.seatGained[seat] = true;
    }
}

void closePad(Gamepads& gamepads, int id, PadEvents& events) {
    Gamepads::Pad* pad = padById(gamepads.pads, id);
    if (pad == nullptr)
        return;
    SDL_GameControllerClose(pad->controller);
    gamepads.pads.erase(gamepads.pads.begin() + (pad - gamepads.pads.data()));
    const int left = gamepads.seats.disconnect(id);
    if (left == NO_SEAT)
        return;
    events.seatLost[left] = true;
    if (gamepads.seats.padIn(left) != NO_PAD)
        events.seatGained[left] = true;
}

// A press, for the seat the pad sits in when it comes: a pad still waiting
// for a seat does nothing.
void press(Gamepads& gamepads, int id, PadButton button, const PadLayout (&layouts)[2],
           uint32_t now, PadEvents& events) {
    Gamepads::Pad* pad = padById(gamepads.pads, id);
    const int seat = gamepads.seats.seatOf(id);
    if (pad == nullptr || seat == NO_SEAT || button == PAD_NONE)
        return;
    events.pressed[seat][button] = true;
    const PadLayout& layout = layouts[seat];
    if (button == layout.pause)
        events.pause = true;
    if (button == layout.camera)
        events.camera[seat] = true;
    if (button == layout.handOver && pad->handOverHeld == PAD_NONE) {
        pad->handOverHeld = button;
        pad->handOverSince = now;
        pad->menuAsked = false;
    }
}

bool heldForMenu(const Gamepads::Pad& pad, uint32_t now) {
    return now - pad.handOverSince >= MENU_HOLD_MS;
}

// The hand-over button let go: a short press hands the pad over; a hold
// that reached the menu's time but was let go before a poll saw it still
// asks for the menu.
void release(Gamepads& gamepads, int id, PadButton button, uint32_t now, PadEvents& events) {
    Gamepads::Pad* pad = padById(gamepads.pads, id);
    if (pad == nullptr || button == PAD_NONE || button != pad->handOverHeld)
        return;
    pad->handOverHeld = PAD_NONE;
    if (pad->menuAsked)
        return;
    if (heldForMenu(*pad, now))
        events.menu = gamepads.seats.seatOf(id) != NO_SEAT;
    else
        gamepads.seats.handOver(id);
}

void triggerMoved(Gamepads& gamepads, const SDL_ControllerAxisEvent& motion,
                  const PadLayout (&layouts)[2], uint32_t now, PadEvents& events) {
    const int side = motion.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT    ? 0
                     : motion.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT ? 1
                                                                       : -1;
    Gamepads::Pad* pad = padById(gamepads.pads, motion.which);
    if (side < 0 || pad == nullptr)
        return;
    const bool down = motion.value > TRIGGER_DOWN;
    const bool was = pad->triggerDown[side];
    pad->triggerDown[side] = down;
    const PadButton trigger = side == 0 ? PAD_LEFT_TRIGGER : PAD_RIGHT_TRIGGER;
    if (down && !was)
        press(gamepads, motion.which, trigger, layouts, now, events);
    else if (!down && was)
        release(gamepads, motion.which, trigger, now, events);
}

PadInput readPad(SDL_GameController* controller) {
    PadInput in;
    in.connected = true;
    for (int b = 0; b < PAD_BUTTONS; ++b)
        if (SDL_BUTTON_FOR[b] != SDL_CONTROLLER_BUTTON_INVALID)
            in.down[b] = SDL_GameControllerGetButton(controller, SDL_BUTTON_FOR[b]) != 0;
    in.down[PAD_LEFT_TRIGGER] =
        SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT) > TRIGGER_DOWN;
    in.down[PAD_RIGHT_TRIGGER] =
        SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > TRIGGER_DOWN;
    // SDL leans right and down positive; the game steers left positive, and
    // up is up.
    const float lean =
        -SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX) / FULL_LEAN;
    in.stick = std::clamp(lean, -1.0f, 1.0f);
    const float forward =
        -SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY) / FULL_LEAN;
    in.stickY = std::clamp(forward, -1.0f, 1.0f);
    return in;
}

bool forThisPlatform(const std::string& line) {
    const size_t field = line.find("platform:");
    if (field == std::string::npos)
        return true;
    const size_t from = field + std::strlen("platform:");
    const size_t end = line.find(',', from);
    const std::string platform = line.substr(from, end == std::string::npos ? end : end - from);
    return SDL_strcasecmp(platform.c_str(), SDL_GetPlatform()) == 0;
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimmed(const char* text, size_t length) {
    size_t begin = 0;
    while (begin < length && blank(text[begin]))
        ++begin;
    while (length > begin && blank(text[length - 1]))
        --length;
    return std::string(text + begin, length - begin);
}

// SDL's reason quotes the line: a binary file's bytes are not for a
// terminal, nor a line of any length.
std::string printable(const char* text) {
    std::string out;
    for (const char* c = text; *c != 0 && out.size() < 80; ++c)
        out += static_cast<unsigned char>(*c) < 0x20 || *c == 0x7f ? '?' : *c;
    return text[out.size()] == 0 ? out : out + "...";
}

} // namespace

int addPadMappings(const char* mappingsFile) {
    if (mappingsFile == nullptr)
        return 0;
    std::FILE* in = std::fopen(mappingsFile, "rb");
    if (in == nullptr) {
        if (errno != ENOENT && errno != ENOTDIR)
            std::fprintf(stderr, "vorlane-kart: pad mappings \"%s\": %s\n", mappingsFile,
                         std::strerror(errno));
        return 0;
    }
    int added = 0, bad = 0, firstBadLine = 0, lineNumber = 0;
    std::string firstFault;
    char* buffer = nullptr;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&buffer, &capacity, in)) >= 0) {
        ++lineNumber;
        const std::string line = trimmed(buffer, static_cast<size_t>(length));
        if (line.empty() || line[0] == '#' || !forThisPlatform(line))
            continue;
        if (line.find('\0') == std::string::npos &&
            SDL_GameControllerAddMapping(line.c_str()) >= 0) {
            ++added;
            continue;
        }
        if (bad++ == 0) {
            firstBadLine = lineNumber;
            firstFault = line.find('\0') == std::string::npos ? printable(SDL_GetError())
                                                              : "a zero byte in the line";
        }
    }
    const bool unreadable = std::ferror(in) != 0;
    const int readError = errno;
    std::free(buffer);
    std::fclose(in);
    if (unreadable)
        std::fprintf(stderr, "vorlane-kart: pad mappings \"%s\": %s\n", mappingsFile,
                     std::strerror(readError));
    else if (bad == 1)
        std::fprintf(stderr, "vorlane-kart: pad mappings \"%s\" line %d skipped: %s\n",
                     mappingsFile, firstBadLine, firstFault.c_str());
    else if (bad > 1)
        std::fprintf(stderr,
                     "vorlane-kart: pad mappings \"%s\": %d lines skipped, the first (line %d): "
                     "%s\n",
                     mappingsFile, bad, firstBadLine, firstFault.c_str());
    return added;
}

bool Gamepads::start(const char* mappingsFile) {
    if (running)
        return true;
    // SDL would turn Ctrl-C and a polite kill into a quit event nobody here
    // reads; the shell handles both itself. Overriding, as an environment
    // setting would otherwise win.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "vorlane-kart: no gamepads: %s\n", SDL_GetError());
        return false;
    }
    running = true;
    addPadMappings(mappingsFile);
    // Seated before the first frame, so the first poll has nothing to say.
    PadEvents unreported;
    openNewPads(*this, unreported);
    return true;
}

PadEvents Gamepads::poll(PadInput (&input)[2], const PadLayout& layout, uint32_t nowMs) {
    const PadLayout both[2] = {layout, layout};
    return poll(input, both, nowMs);
}

PadEvents Gamepads::poll(PadInput (&input)[2], const PadLayout& layout) {
    return poll(input, layout, running ? SDL_GetTicks() : 0);
}

PadEvents Gamepads::poll(PadInput (&input)[2], const PadLayout (&layouts)[2]) {
    return poll(input, layouts, running ? SDL_GetTicks() : 0);
}

PadEvents Gamepads::poll(PadInput (&input)[2], const PadLayout (&layouts)[2], uint32_t nowMs) {
    PadEvents events;
    for (PadInput& seat : input)
        seat = PadInput{};
    if (!running)
        return events;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            openNewPads(*this, events);
            break;
        // SDL 2.26 fixes up the device indices of queued added events when
        // a device goes, by the device's place among the open joysticks
        // rather than in the device list: a pad plugged in as another is
        // unplugged can lose its added event. So a removal looks for new
        // pads too.
        case SDL_CONTROLLERDEVICEREMOVED:
            closePad(*this, event.cdevice.which, events);
            openNewPads(*this, events);
            break;
        case SDL_JOYDEVICEREMOVED: // the same device, in case its controller event is missed
            closePad(*this, event.jdevice.which, events);
            openNewPads(*this, events);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            press(*this, event.cbutton.which, padButtonOf(event.cbutton.button), layouts, nowMs,
                  events);
            break;
        case SDL_CONTROLLERBUTTONUP:
            release(*this, event.cbutton.which, padButtonOf(event.cbutton.button), nowMs, events);
            break;
        case SDL_CONTROLLERAXISMOTION:
            triggerMoved(*this, event.caxis, layouts, nowMs, events);
            break;
        default:
            break;
        }
    }
    // A pad gone without its event (a full queue) still leaves its seat.
    for (size_t p = pads.size(); p-- > 0;)
        if (!SDL_GameControllerGetAttached(pads[p].controller))
            closePad(*this, pads[p].id, events);
    for (Pad& pad : pads)
        if (pad.handOverHeld != PAD_NONE && !pad.menuAsked && heldForMenu(pad, nowMs) &&
            seats.seatOf(pad.id) != NO_SEAT) {
            pad.menuAsked = true;
            events.menu = true;
        }
    for (int s = 0; s < PAD_SEATS; ++s)
        if (const Pad* pad = padById(pads, seats.padIn(s)))
            input[s] = readPad(pad->controller);
    return events;
}

void Gamepads::stop() {
    if (!running)
        return;
    for (Pad& pad : pads)
        SDL_GameControllerClose(pad.controller);
    pads.clear();
    seats = PadSeats{};
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    running = false;
}
