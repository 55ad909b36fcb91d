# Each player's keys move that player's view and no other: after the start
# countdown, 'w' drives kart 1 and its camera follows in the upper view,
# 'i' does the same for kart 2 in the lower view, and 'c' and 'n' change only
# their own player's camera.
source "$(dirname "$0")/lib.sh"

# The views in cells of 110 x 60 pixels, clear of the overlay: the clock at
# the top left, the dials at the bottom right and the messages on the seam.
UPPER_ROWS="60 120 180 240 300 360"
LOWER_ROWS="540 600 660 720"
cells() {
  local x y
  for y in $UPPER_ROWS $LOWER_ROWS; do
    for x in 0 110 220 330 440 550 660 770 880 990; do echo "--mean $x $y 110 60"; done
  done
  # The side tubes each kart shows the other's camera at the start.
  echo "--mean 905 780 35 16 --mean 345 302 25 16"
}
# look NAME: a look, kept as $OUT/NAME.png for comparing by eye.
look() {
  peek $(cells) || fail "no screenshot"
  keep "$1"
}

# compare BEFORE AFTER X0 X1 Y0 Y1: "total max" of the channel differences of
# the cells inside the box (left, right, top, bottom edges in pixels).
compare() {
  awk -v x0="$3" -v x1="$4" -v y0="$5" -v y1="$6" '
    $1 == "mean" && $2 >= x0 && $2 + $4 <= x1 && $3 >= y0 && $3 + $5 <= y1 {
      key = $2 " " $3
      if (NR == FNR) { before[key] = $6 " " $7 " " $8; next }
      split(before[key], b, " ")
      for (i = 1; i <= 3; i++) {
        d = $(5 + i) - b[i]; if (d < 0) d = -d
        total += d; if (d > max) max = d
      }
    }
    END { printf "%d %d\n", total, max }' <(echo "$1") <(echo "$2")
}
UPPER="0 1100 60 420"
LOWER="0 1100 540 780"
# Where the other kart cannot come: each kart starts on the other's far side
# of the lane and, driving straight on, only nears the middle of the view.
UPPER_RIGHT="770 1100 60 420"
LOWER_LEFT="0 550 540 780"
KART1_IN_LOWER="905 940 780 796"
KART2_IN_UPPER="345 370 302 318"

# moved TOTAL_MAX: the camera moved, so the whole view looks different.
moved() { [ "$1" -gt 400 ]; }
# still TOTAL_MAX: not a pixel's worth of change anywhere.
still() { [ "$2" -le 2 ]; }

# start_line LOOK: the start picture, each kart's side tube in the other's view.
start_line() {
  echo "$1" | awk '$1 == "mean" && $2 == 905 && $3 == 780 && $8 > 60 && $8 > 2 * ($6 + $7) { b = 1 }
    $1 == "mean" && $2 == 345 && $3 == 302 && $7 > 80 && $7 > 2 * ($6 + $8) { g = 1 }
    END { exit !(b && g) }'
}

# start NAME: the game up at the start line, the countdown over and both views
# at rest; RESTING holds the last look.
RESTING=""
tubes() { echo "side tubes $(mean_of "$1" 905 780 35 16) / $(mean_of "$1" 345 302 25 16)"; }
resting() {
  local previous=$RESTING
  sleep 1
  RESTING=$(look "$NAME")
  SAW="$(tubes "$RESTING"), the views changed by $(compare "$previous" "$RESTING" 0 1100 0 960)"
  [ -n "$previous" ] && start_line "$RESTING" && still $(compare "$previous" "$RESTING" 0 1100 0 960)
}
start() {
  NAME=$1 RESTING=""
  start_game "$1"
  watch_countdown "$1_start" 40
  wait_for 30 "$1: the views at the start line never came to rest" resting
}

# camera_moved NAME BOX: a look, kept as NAME, in which the BOX view changed
# from BEFORE as a moved camera changes it; AFTER holds it.
BEFORE="" AFTER=""
camera_moved() {
  local change
  AFTER=$(look "$1")
  change=$(compare "$BEFORE" "$AFTER" ${!2})
  SAW="$2 changed by $change"
  moved $change
}
# drove_off NAME BOX PLACE: the same, and the driven kart, seen in the other
# view, left its PLACE there.
drove_off() {
  local place
  camera_moved "$1" "$2"
  place=$(compare "$BEFORE" "$AFTER" ${!3})
  SAW="$SAW, $3 changed by $place"
  moved $(compare "$BEFORE" "$AFTER" ${!2}) && [ "${place% *}" -gt 60 ]
}
# stayed WHAT BOX: BOX is the same in AFTER as in BEFORE.
stayed() {
  local change
  change=$(compare "$BEFORE" "$AFTER" ${!2})
  echo "$1: $2 changed by $change"
  still $change || fail "$1: the $2 view changed too ($change)"
}

# Player 1.
start player1_views
BEFORE=$RESTING
press c
wait_for 10 "key c: the upper view hardly changed" camera_moved player1_camera UPPER
echo "key c: $SAW"
stayed "key c" LOWER

BEFORE=$(look player1_before_drive)
key_down w
wait_for 10 "key w: kart 1 did not drive off" drove_off player1_drive UPPER KART1_IN_LOWER
key_up w
echo "key w: $SAW"
stayed "key w" LOWER_LEFT
stop_game

# Player 2, in a fresh game so that kart 1 stands still.
start player2_views
BEFORE=$RESTING
press n
wait_for 10 "key n: the lower view hardly changed" camera_moved player2_camera LOWER
echo "key n: $SAW"
stayed "key n" UPPER

BEFORE=$(look player2_before_drive)
key_down i
wait_for 10 "key i: kart 2 did not drive off" drove_off player2_drive LOWER KART2_IN_UPPER
key_up i
echo "key i: $SAW"
stayed "key i" UPPER_RIGHT
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "player views ok"
