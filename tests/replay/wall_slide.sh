# Kart 1 runs at a slant into the wall of the tunnel mouth and slides along it
# rather than stopping: its z holds while it keeps moving along x.
source "$(dirname "$0")/lib.sh"

script wall_slide
countdown
frames 30 wa
frames 150 w
play

low=$(least 1 z 360 431)
expect "$(most 1 z 360 431)" '<' "$(awk -v z="$low" 'BEGIN { print z + 0.1 }')" "held at the wall's face"
x_before=$(value 360 1 x)
expect "$(value 431 1 x)" '>' "$(awk -v x="$x_before" 'BEGIN { print x + 14 }')" "sliding on along the wall"
expect "$(value 431 1 speed)" '>' 15 "the slide keeps most of the speed"
