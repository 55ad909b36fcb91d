# Kart 1 runs at a slant into the wall of the tunnel mouth and slides along it
# rather than stopping: its z holds while it keeps moving along x.
source "$(dirname "$0")/lib.sh"

script wall_slide
countdown
frames 30 wa
frames 200 w
play

low=$(least 1 z 380 481)
expect "$(most 1 z 380 481)" '<' "$(awk -v z="$low" 'BEGIN { print z + 0.1 }')" "held at the wall's face"
x_before=$(value 380 1 x)
expect "$(value 481 1 x)" '>' "$(awk -v x="$x_before" 'BEGIN { print x + 12 }')" "sliding on along the wall"
expect "$(least 1 speed 380 481)" '>' 7 "the slide keeps the kart going"
