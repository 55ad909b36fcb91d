# Kart 1 drives down its lane, turns up the corner ramp onto the field's
# level behind the north fence, stops, and reverses back down the ramp.
source "$(dirname "$0")/lib.sh"

script ramp_up_and_down
countdown
frames 160 w
frames 80 wa  # toward +x, into the ramp's mouth
frames 150 w  # up the ramp
frames 30 wd
frames 60 w
frames 30 s   # stop on the field's level
frames 400 x  # and back down, reversing
play

expect "$(value 491 1 y)" '<=' -10 "at the foot of the ramp kart 1 is on the lower level"
expect "$(value 700 1 y)" == 0.200000003 "at the top kart 1 drives on the field's level"
expect "$(value 700 1 x)" '>' -110 "past the ramp posts"
expect "$(value 760 1 speed)" '>' 0 "still rolling forward before the brake"
expect "$(value 810 1 speed)" '<' 0 "reversing"
expect "$(value 1160 1 x)" '<' -130 "reversed back down the ramp"
expect "$(value 1160 1 y)" '<' -8 "back on the lower level"
expect "$(value 1160 1 pitch)" '>' 0.4 "nose up on the ramp, reversing down it"
