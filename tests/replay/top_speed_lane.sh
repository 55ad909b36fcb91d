# Holding 'w' from GO, kart 1 reaches its top speed (24) down the start lane
# before the wall at the lane's end throws it back, at any frame rate the
# game runs at: the end-to-end test of the engine tone hears its top pitch
# there, and takes the drop after it for the kart's arrival at the wall.
source "$(dirname "$0")/lib.sh"

# lane NAME DT: the countdown, then 4.5 s of 'w' at frames of DT seconds,
# or at uneven frames of 15 to 55 ms for "uneven".
lane() {
  script "top_speed_lane_$1"
  countdown
  if [ "$2" = uneven ]; then
    awk 'BEGIN { srand(7); for (t = 0; t < 4.5; t += d) { d = 0.015 + 0.04 * rand(); printf "%.4f w\n", d } }' >>"$SCRIPT"
  else
    frames "$(awk -v d="$2" 'BEGIN { print int(4.5 / d) }')" w "$2"
  fi
  play
  local last top
  last=$(frame_count)
  top=$(most 1 speed 252 "$last")
  expect "$top" '>=' 23.4 "$1: kart 1's top speed down the lane"
  expect "$top" '<=' 24.2 "$1: kart 1's top speed down the lane"
  expect "$(most 1 z 252 "$last")" '<' 100 "$1: the wall stops kart 1 at the lane's end"
  expect "$(value "$last" 1 speed)" '<' "$(awk -v t="$top" 'BEGIN { print t - 2 }')" \
    "$1: slower at the wall than at the top"
}

lane 60fps 0.0167
lane 40fps 0.025
lane 20fps 0.05
lane uneven uneven
