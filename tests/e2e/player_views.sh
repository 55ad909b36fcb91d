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
look() { shot "$1" $(cells) || fail "no screenshot"; }

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
start() {
  start_game "$1"
  local previous current
  for _ in $(seq 30); do
    current=$(look "$1")
    start_line "$current" && break
    sleep 1
  done
  start_line "$current" || fail "no start picture"
  # The countdown ends five seconds after the first frame at the latest.
  sleep 6
  previous=$(look "$1")
  for _ in $(seq 30); do
    sleep 1
    current=$(look "$1")
    if still $(compare "$previous" "$current" 0 1100 0 960); then
      RESTING=$current
      return 0
    fi
    previous=$current
  done
  fail "the views never came to rest"
}

# judge WHAT MOVING RESTING BEFORE AFTER: the MOVING box changed, the RESTING one not.
judge() {
  local what=$1 moving=$2 resting=$3 before=$4 after=$5 change
  change=$(compare "$before" "$after" ${!moving})
  echo "$what: $moving changed by $change"
  moved $change || fail "$what: the $moving view hardly changed ($change)"
  change=$(compare "$before" "$after" ${!resting})
  echo "$what: $resting changed by $change"
  still $change || fail "$what: the $resting view changed too ($change)"
}

# drove_off WHAT PLACE BEFORE AFTER: the driven kart, seen in the other view,
# left its place there.
drove_off() {
  local change
  change=$(compare "$3" "$4" ${!2})
  echo "$1: $2 changed by $change"
  [ "${change% *}" -gt 60 ] || fail "$1: the kart did not leave its place in the other view ($change)"
}

# Player 1.
start player1_views
press c
sleep 1
judge "key c" UPPER LOWER "$RESTING" "$(look player1_camera)"

before=$(look player1_before_drive)
hold w 1
after=$(look player1_drive)
judge "key w" UPPER LOWER_LEFT "$before" "$after"
drove_off "key w" KART1_IN_LOWER "$before" "$after"
stop_game

# Player 2, in a fresh game so that kart 1 stands still.
start player2_views
press n
sleep 1
judge "key n" LOWER UPPER "$RESTING" "$(look player2_camera)"

before=$(look player2_before_drive)
hold i 1
after=$(look player2_drive)
judge "key i" LOWER UPPER_RIGHT "$before" "$after"
drove_off "key i" KART2_IN_UPPER "$before" "$after"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "player views ok"
