#include "app/PadSeats.h"

#include <gtest/gtest.h>

namespace {

TEST(PadSeats, PadsAreSeatedInTheOrderTheyComeAndAThirdWaitsForTheFirstFreeSeat) {
    PadSeats seats;
    EXPECT_EQ(seats.connect(7), 0);
    EXPECT_EQ(seats.connect(3), 1); // by arrival, not by id
    EXPECT_EQ(seats.connect(9), NO_SEAT);
    EXPECT_EQ(seats.connect(12), NO_SEAT);
    EXPECT_EQ(seats.connect(7), 0); // a pad told of twice keeps one seat
    EXPECT_EQ(seats.padIn(0), 7);

    // Player 2's pad goes: the first pad waiting takes its place, the next
    // one waits on.
    EXPECT_EQ(seats.disconnect(3), 1);
    EXPECT_EQ(seats.padIn(1), 9);
    EXPECT_EQ(seats.seatOf(12), NO_SEAT);
    EXPECT_EQ(seats.disconnect(7), 0);
    EXPECT_EQ(seats.padIn(0), 12);
}

TEST(PadSeats, ARemovedPadFreesItsSeatAndOnlyASeatedOneReportsOne) {
    PadSeats seats;
    seats.connect(1);
    seats.connect(2);
    seats.connect(3);
    // A waiting pad that goes leaves no seat, and is not seated later.
    EXPECT_EQ(seats.disconnect(3), NO_SEAT);
    EXPECT_EQ(seats.disconnect(1), 0);
    EXPECT_EQ(seats.padIn(0), NO_PAD);
    EXPECT_EQ(seats.disconnect(1), NO_SEAT); // told twice
    EXPECT_EQ(seats.disconnect(40), NO_SEAT);
    EXPECT_EQ(seats.padIn(1), 2);
    // The seat left free is the next pad's, before any other.
    EXPECT_EQ(seats.connect(4), 0);
}

TEST(PadSeats, HandingOverMovesThePadToTheOtherSeatAndSwapsWithThePadThere) {
    PadSeats seats;
    seats.connect(5);
    // One pad and the keyboard: the pad goes to player 2 and back.
    EXPECT_EQ(seats.handOver(5), 1);
    EXPECT_EQ(seats.padIn(0), NO_PAD);
    EXPECT_EQ(seats.padIn(1), 5);
    // A pad coming now takes the seat the hand-over left free.
    EXPECT_EQ(seats.connect(6), 0);
    EXPECT_EQ(seats.handOver(6), 1);
    EXPECT_EQ(seats.padIn(0), 5);
    EXPECT_EQ(seats.padIn(1), 6);
    // A waiting pad has no seat to hand over, and changes nothing.
    seats.connect(8);
    EXPECT_EQ(seats.handOver(8), NO_SEAT);
    EXPECT_EQ(seats.handOver(99), NO_SEAT);
    EXPECT_EQ(seats.padIn(0), 5);
    EXPECT_EQ(seats.padIn(1), 6);
    // After a swap, the pad that leaves still frees the seat it is in now.
    EXPECT_EQ(seats.disconnect(6), 1);
    EXPECT_EQ(seats.padIn(1), 8);
}

} // namespace
