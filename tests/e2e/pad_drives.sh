# A gamepad alone drives the real game, no key pressed: after the start
# countdown the right trigger makes kart 1 drive (its view changes, its
# needle leaves its rest); Start pauses (the picture dims and holds still),
# Start again resumes, and the trigger drives on.
source "$(dirname "$0")/lib.sh"

# View 1 in cells of 110 x 60, clear of the clock and the dial; kart 1's
# needle at rest; the whole window and both views, for the pause.
VIEW1=()
for x in 0 110 220 330 440 550 660 770 880 990; do
  for y in 60 120 180 240 300 360; do VIEW1+=("$x $y 110 60"); done
done
REST1="1172 434 22 14"
STILL_REGIONS=("0 0 1280 960" "300 100 680 300" "300 580 680 300")
REGIONS=""
for r in "${VIEW1[@]}" "$REST1" "${STILL_REGIONS[@]}"; do REGIONS="$REGIONS --mean $r"; done
look() { peek $REGIONS || fail "no screenshot"; }
count_changed() { changes "$@" | awk '{ n = 0; for (i = 1; i <= NF; i++) if ($i > 15) n++; print n }'; }
brightness() { mean_of "$1" 0 0 1280 960 | awk '{ print $1 + $2 + $3 }'; }

pad_start 1
start_game pad_drives
watch_countdown pad_drives 40 $REGIONS
START=$PLAIN # kart 1 at rest at the start line

# drives_from REPORT: kart 1's needle has left its rest and its view changed
# since REPORT.
drives_from() {
  local report n
  report=$(look)
  n=$(count_changed "$1" "$report" "${VIEW1[@]}")
  SAW="needle changed by $(changes "$1" "$report" "$REST1"), $n cells of view 1 changed"
  [ "$(count_changed "$1" "$report" "$REST1")" = 1 ] && [ "$n" -ge 3 ]
}
pad_axis 1 righttrigger 32767
wait_for 15 "the right trigger held: kart 1 not driving" drives_from "$START"
echo "right trigger: $SAW"
pad_axis 1 righttrigger 0

# paused: dimmed against PLAYING, and holding still (STILL, the second look).
paused() {
  holds_still 1 "${STILL_REGIONS[@]}" || return 1
  SAW="$SAW; brightness $(brightness "$STILL"), $(brightness "$PLAYING") playing"
  awk -v a="$(brightness "$PLAYING")" -v b="$(brightness "$STILL")" 'BEGIN { exit !(b < 0.8 * a) }'
}
PLAYING=$(look)
pad_press 1 start
wait_for 15 "Start: the picture not paused" paused
echo "Start paused: $SAW"
HELD=$STILL

# Resumed: no longer dimmed, and the trigger drives kart 1 on from the
# held picture.
undimmed() {
  local report
  report=$(look)
  SAW="brightness $(brightness "$report"), $(brightness "$HELD") paused"
  awk -v a="$(brightness "$HELD")" -v b="$(brightness "$report")" 'BEGIN { exit !(b > 1.1 * a) }'
}
pad_press 1 start
wait_for 15 "Start again: the picture still dimmed" undimmed
echo "Start again resumed: $SAW"
pad_axis 1 righttrigger 32767
moves_from() {
  local report n
  report=$(look)
  n=$(count_changed "$1" "$report" "${VIEW1[@]}")
  SAW="$n cells of view 1 changed"
  [ "$n" -ge 3 ]
}
wait_for 15 "the right trigger held after the pause: view 1 not moving" moves_from "$(look)"
echo "right trigger after the pause: $SAW"
pad_axis 1 righttrigger 0

kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error"
echo "pad drives ok"
