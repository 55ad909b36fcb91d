#include "app/PadSeats.h"

#include <algorithm>

int PadSeats::seatOf(int pad) const {
    for (int s = 0; s < PAD_SEATS; ++s)
        if (seat[s] == pad)
            return s;
    return NO_SEAT;
}

int PadSeats::connect(int pad) {
    if (pad == NO_PAD)
        return NO_SEAT;
    const int known = seatOf(pad);
    if (known != NO_SEAT)
        return known;
    if (std::find(waiting.begin(), waiting.end(), pad) != waiting.end())
        return NO_SEAT;
    for (int s = 0; s < PAD_SEATS; ++s)
        if (seat[s] == NO_PAD) {
            seat[s] = pad;
            return s;
        }
    waiting.push_back(pad);
    return NO_SEAT;
}

int PadSeats::disconnect(int pad) {
    if (pad == NO_PAD)
        return NO_SEAT;
    const int left = seatOf(pad);
    if (left == NO_SEAT) {
        waiting.erase(std::remove(waiting.begin(), waiting.end(), pad), waiting.end());
        return NO_SEAT;
    }
    seat[left] = NO_PAD;
    if (!waiting.empty()) {
        seat[left] = waiting.front();
        waiting.erase(waiting.begin());
    }
    return left;
}

int PadSeats::handOver(int pad) {
    const int from = seatOf(pad);
    if (from == NO_SEAT || pad == NO_PAD)
        return NO_SEAT;
    const int to = (from + 1) % PAD_SEATS;
    seat[from] = seat[to];
    seat[to] = pad;
    return to;
}
