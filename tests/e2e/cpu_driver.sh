# Playing alone in the real game: with nobody at the keys kart 2 stands at
# the start line; 'F2' seats the CPU, "CPU" and its level show beside kart 2's
# dial, and kart 2 drives off by itself; 'F2' again hands the kart back: the
# label goes and the kart comes to rest.
source "$(dirname "$0")/lib.sh"

# "CPU" over the level, left of kart 2's dial: the light lettering makes the
# word's box brighter than the scene beside it.
WORD="995 878 62 24"
BESIDE="925 878 62 24"
# Kart 2's view below any sky, in four tiles: the ground around the kart
# moves past when it drives.
TILES=("0 650 320 150" "320 650 320 150" "640 650 320 150" "960 650 320 150")
REGIONS="--mean $WORD --mean $BESIDE"
for t in "${TILES[@]}"; do REGIONS="$REGIONS --mean $t"; done
look() { peek $REGIONS 2>&1; }
# labelled REPORT: the report shows "CPU" beside kart 2's dial.
brightness_of() { mean_of "$1" $2 $3 $4 $5 | awk '{ print $1 + $2 + $3 }'; }
labelled() {
  awk -v w="$(brightness_of "$1" $WORD)" -v b="$(brightness_of "$1" $BESIDE)" 'BEGIN { exit !(w > b + 60) }'
}
label_seen() { echo "word $(brightness_of "$1" $WORD), beside it $(brightness_of "$1" $BESIDE)"; }

start_game cpu_driver
watch_countdown cpu_driver 40

# Nobody drives: once the cameras have settled after GO, kart 2 stands still.
wait_for 15 "kart 2 standing still with nobody at the keys" holds_still 1 "${TILES[@]}"
labelled "$STILL" && fail "CPU shown before 'F2': $(label_seen "$STILL")"

# label_shown: "CPU" shows beside kart 2's dial.
label_shown() {
  local report
  report=$(look) || { SAW="no look: $report"; return 1; }
  SAW=$(label_seen "$report")
  labelled "$report"
}
# driving: kart 2's view moves on between two looks half a second apart.
driving() {
  local a b
  a=$(look) || { SAW="no look: $a"; return 1; }
  sleep 0.5
  b=$(look) || { SAW="no look: $b"; return 1; }
  SAW="kart 2's view changed by $(motion "$a" "$b" "${TILES[@]}") in half a second"
  [ "$(motion "$a" "$b" "${TILES[@]}")" -gt 40 ]
}
# at_rest: the label is gone and kart 2's view holds still.
at_rest() {
  holds_still 1 "${TILES[@]}" || return 1
  SAW="$SAW, $(label_seen "$STILL")"
  ! labelled "$STILL"
}

press F2
wait_for 10 "'F2' showing CPU beside kart 2's dial" label_shown
wait_for 20 "kart 2 driving off under the CPU" driving
shot cpu_driver_driving >/dev/null
echo "ok: 'F2' put the CPU in kart 2 and it drove off ($SAW; $(label_seen "$(look)"))"

press F2
wait_for 30 "'F2' again: kart 2 handed back, its label gone, coming to rest" at_rest
echo "ok: 'F2' again handed kart 2 back and it stopped ($SAW)"
