# From the race start, holding 'w' drives kart 1 down its start lane on the
# lower level; during the countdown the held key does nothing, and kart 2,
# with no key held, stays at its place.
source "$(dirname "$0")/lib.sh"

script race_start_lane
frames 251 w
frames 150 w
play

# 500 steps of 0.01 s fall a rounding short of 5 s: the countdown ends
# within the 250th frame.
expect "$(value 249 1 countdownActive)" == 1 "the countdown is on at frame 249"
expect "$(value 250 1 countdownActive)" == 0 "the countdown is over at frame 250"
expect "$(value 250 1 x)" == -150 "kart 1 holds its place through the countdown"
expect "$(value 250 1 z)" == 43 "kart 1 holds its place through the countdown"
expect "$(value 401 1 z)" '>' 80 "three seconds of throttle take kart 1 down the lane"
expect "$(most 1 y 1 401)" '<' -9 "kart 1 never leaves the lower level"
expect "$(least 1 y 1 401)" '>=' -17.5 "kart 1 never sinks below the lane"
expect "$(value 401 1 x)" == -150 "kart 1 drives straight"
expect "$(value 401 2 x)" == -145 "kart 2 stays at the start"
expect "$(value 401 2 z)" '<' 43.01 "kart 2 stays at the start, give or take its settling"
expect "$(value 401 2 y)" == -17.5 "kart 2 has settled onto the lane"
