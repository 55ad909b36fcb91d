#pragma once

#include <vector>

// Which pad sits in which player's seat. Pads are known by the id the shell
// reads them by (a device's instance id), and seated in the order they come:
// the first to player 1, the next to player 2; any more wait, in order, for
// a seat to free up.
constexpr int PAD_SEATS = 2;
constexpr int NO_SEAT = -1;
constexpr int NO_PAD = -1;

struct PadSeats {
    int seat[PAD_SEATS] = {NO_PAD, NO_PAD}; // the pad in each seat
    std::vector<int> waiting;               // unseated pads, first come first

    // A pad arrives: the seat it takes, or NO_SEAT while both are taken. A
    // pad already known keeps where it is.
    int connect(int pad);

    // A pad goes: the seat it left, or NO_SEAT if it had none. The first
    // waiting pad, if any, moves into that seat (see padIn).
    int disconnect(int pad);

    // The pad moves to the other player's seat, and a pad sitting there
    // moves to the seat it left. Returns its new seat; a waiting or unknown
    // pad stays as it is and gets NO_SEAT.
    int handOver(int pad);

    int seatOf(int pad) const;
    int padIn(int s) const { return s >= 0 && s < PAD_SEATS ? seat[s] : NO_PAD; }
};
