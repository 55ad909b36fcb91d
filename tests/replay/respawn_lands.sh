# After the countdown, 'v' puts kart 1 high above the field; it falls nose
# down, the slope pull carrying it forward as it drops, lands on the field
# facing +z, rolls to a stop, and then drives again.
source "$(dirname "$0")/lib.sh"

script respawn_lands
countdown
frames 40 w
frames 1 v
frames 600 -
frames 100 w
play

expect "$(value 292 1 y)" '>' 399 "respawn puts kart 1 about 400 up"
expect "$(value 292 1 x)" == 0 "above the field's middle"
expect "$(value 292 1 speed)" == 0 "at rest"
expect "$(value 300 1 airborne)" == 1 "falling"
expect "$(value 892 1 airborne)" == 0 "landed"
expect "$(value 892 1 y)" == 0 "on the field"
expect "$(value 480 1 z)" '>' 20 "carried forward in the fall"
expect "$(value 892 1 x)" == 0 "straight ahead of where it was dropped"
expect "$(value 892 1 speed)" == 0 "rolled to a stop"
expect "$(value 892 1 heading)" == 0 "facing +z"
expect "$(value 992 1 z)" '>' "$(value 892 1 z)" "it drives on after landing"
