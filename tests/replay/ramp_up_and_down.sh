# Kart 1 drives down its lane, turns up the corner ramp onto the field's
# level behind the north fence, stops, and reverses back down the ramp.
source "$(dirname "$0")/lib.sh"

script ramp_up_and_down
countdown
frames 160 w
frames 50 wa  # toward +x, into the ramp's mouth
frames 120 w  # up the ramp and onto the field
frames 60 s   # stop on the field's level
frames 350 x  # and back down, reversing
play

expect "$(value 491 1 y)" '<=' -10 "at the foot of the ramp kart 1 is on the lower level"
expect "$(least 1 pitch 500 550)" '>' 0.4 "nose up climbing the ramp"
expect "$(value 580 1 y)" == 0.200000003 "at the top kart 1 drives on the field's level"
expect "$(value 580 1 x)" '>' -110 "past the ramp posts"
expect "$(value 620 1 speed)" '>' 0 "still rolling forward under the brake"
expect "$(value 660 1 speed)" '<' 0 "reversing"
expect "$(least 1 pitch 820 920)" '>' 0.4 "nose up on the ramp, reversing down it"
expect "$(value 991 1 x)" '<' -140 "reversed back down the ramp"
expect "$(value 991 1 y)" == -10 "back on the lower level"
