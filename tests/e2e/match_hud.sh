# The overlay through two race starts: READY, SET and GO in turn at the seam,
# then nothing; a dial at the bottom right of each view whose needle follows
# its own kart's speed and no other; the match clock at the top left holding
# 000.0 through the countdown, then counting in seconds; key '1' for one big
# dial and key '2' for the two small ones again.
source "$(dirname "$0")/lib.sh"

# The match clock's digit cells: hundreds, tens, units, tenths.
HUNDREDS="111 10 37 44"
TENS="148 10 37 44"
UNITS="185 10 37 44"
TENTHS="222 10 37 44"
# Inside each small dial's opaque face: a patch of the face, the needle at
# rest (30 degrees below the left horizontal, pivot at 1210, 425 in view 1)
# and boxes along its sweep at 15, 30, 45 and 60 degrees above the left
# horizontal, 45 pixels out from the pivot.
FACE1="1145 395 35 35"
REST1="1172 434 22 14"
UP1="1161 407 12 12|1165 396 12 12|1172 387 12 12|1181 380 12 12"
FACE2="1145 875 35 35"
REST2="1172 914 22 14"
UP2="1161 887 12 12|1165 876 12 12|1172 867 12 12|1181 860 12 12"
# The same for the one big dial of the full-window view (pivot 1120, 860;
# the boxes 110 pixels out).
BIG_FACE="1000 790 60 60"
BIG_REST="1016 880 70 40"
BIG_UP="1002 820 24 24|1013 793 24 24|1030 770 24 24|1053 753 24 24"

REGIONS=""
IFS='|' read -r -a boxes <<<"$UP1|$UP2|$BIG_UP"
for r in "$HUNDREDS" "$TENS" "$UNITS" "$TENTHS" "$FACE1" "$REST1" "$FACE2" "$REST2" \
  "$BIG_FACE" "$BIG_REST" "${boxes[@]}"; do
  REGIONS="$REGIONS --mean $r"
done
look() { peek $MSG_REGIONS $REGIONS || fail "no screenshot"; }
keep() { shot "$1" >/dev/null || true; }

# navy R G B: the dial's dark blue face, not the sky and not the bricks.
navy() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(b > r + 30 && b > g + 25 && r < 110) }'; }
same() { [ "$(differ "$1" "$2" $3 $4 $5 $6)" -le 3 ]; }
moved() { [ "$(differ "$1" "$2" $3 $4 $5 $6)" -gt 15 ]; }
# swept BEFORE AFTER BOXES: the largest change among the "|"-separated boxes.
swept() {
  local list
  IFS='|' read -r -a list <<<"$3"
  changes "$1" "$2" "${list[@]}" | awk '{ m = 0; for (i = 1; i <= NF; i++) if ($i > m) m = $i; print m }'
}

# clock_held NAME: the clock cells stayed as they were through SET and GO.
clock_held() {
  local each
  for each in "${SETTLED[@]}"; do
    unchanged "${SETTLED[0]}" "$each" "$HUNDREDS" "$TENS" "$UNITS" "$TENTHS" ||
      fail "$1: the clock changed during the countdown"
  done
}

# drive NAME KEY MOVING RESTING: holds KEY until the MOVING dial's needle has
# left its rest and swung up; the RESTING dial stays as it was.
drive() {
  local name=$1 key=$2 moving=$3 resting=$4 deadline report
  local rest_m="REST$moving" up_m="UP$moving" rest_r="REST$resting" up_r="UP$resting"
  deadline=$(plus "$(now)" 8)
  key_down "$key"
  while :; do
    report=$(look)
    if moved "$AT_REST" "$report" ${!rest_m} && [ "$(swept "$AT_REST" "$report" "${!up_m}")" -gt 15 ]; then break; fi
    later "$deadline" "$(now)" || { key_up "$key"; keep "$name"; fail "$name: the needle of dial $moving did not swing up under '$key'"; }
  done
  key_up "$key"
  echo "$name: dial $moving needle up: rest $(differ "$AT_REST" "$report" ${!rest_m}), up $(swept "$AT_REST" "$report" "${!up_m}")"
  same "$AT_REST" "$report" ${!rest_r} && [ "$(swept "$AT_REST" "$report" "${!up_r}")" -le 3 ] ||
    { keep "$name"; fail "$name: the needle of dial $resting moved too under '$key'"; }
}

start_game match_hud

# The first frame's step includes the loading time, so on a slow machine the
# start countdown may open past READY, with the camera still gliding in from
# the origin; the order holds all the same.
watch_countdown match_hud_start 40 $REGIONS
case "$STATES" in
" ready set go none" | " set go none") ;;
*) keep match_hud_start; fail "start countdown out of order:$STATES" ;;
esac
ZERO=${SETTLED[-1]} # the clock at 000.0
AT_REST=$PLAIN      # both karts at rest at the start line
navy $(mean_of "$PLAIN" $FACE1) || { keep match_hud_dials; fail "no dial face in view 1: $(mean_of "$PLAIN" $FACE1)"; }
navy $(mean_of "$PLAIN" $FACE2) || { keep match_hud_dials; fail "no dial face in view 2: $(mean_of "$PLAIN" $FACE2)"; }

drive match_hud_kart1 w 1 2

# A new race: a fresh countdown with a clock of its own from the mode key on,
# fresh karts at rest and the match clock back at 000.0.
hold 0 1
report=$(look)
sleep 1
same "$report" "$(look)" $TENTHS || fail "key '0' did not stop the frames for the mode choice"
chosen=$(now)
hold 5 0.5
watch_countdown match_hud_race 30 $REGIONS
[ "$STATES" = " ready set go none" ] || { keep match_hud_race; fail "race countdown not READY, SET, GO, then nothing:$STATES"; }
# The game's clock cannot run ahead of the wall clock.
for state in set go none; do
  case $state in set) after=2 ;; go) after=4 ;; none) after=5 ;; esac
  later "${SEEN[$state]}" "$(plus "$chosen" $after)" ||
    fail "the countdown showed $state $(awk -v a="${SEEN[$state]}" -v b="$chosen" 'BEGIN { print a - b }') s after the mode key, before ${after} s"
done
clock_held "race countdown"
unchanged "$ZERO" "${SETTLED[0]}" "$HUNDREDS" "$TENS" "$UNITS" "$TENTHS" ||
  { keep match_hud_race; fail "the new race's clock does not start at 000.0"; }
unchanged "$AT_REST" "$PLAIN" "$REST1" "$REST2" && [ "$(swept "$AT_REST" "$PLAIN" "$UP1|$UP2")" -le 3 ] || { keep match_hud_race; fail "a fresh kart's needle is not at rest"; }

# The clock counts from the end of the countdown: the units move, the tens
# turn from 0 at 10 s and not before, the hundreds stay 0. Compared with a
# look from after the countdown: the karts settle onto the ground when it
# ends, and the bricks behind the clock move a little.
sleep 2
early=$(look)
units_moved=""
deadline=$(plus "${SEEN[none]}" 40)
while :; do
  report=$(look)
  t=$(now)
  same "$early" "$report" $HUNDREDS || { keep match_hud_clock; fail "the clock's hundreds left 0 in the first minute"; }
  same "$early" "$report" $UNITS || units_moved=yes
  if ! same "$early" "$report" $TENS; then break; fi
  later "$deadline" "$t" || { keep match_hud_clock; fail "the clock did not reach 10 s within 40 s of the countdown's end"; }
done
[ -n "$units_moved" ] || fail "the clock's units never moved before its tens did"
later "$t" "$(plus "$chosen" 15)" ||
  fail "the clock passed 10 s only $(awk -v a="$t" -v b="$chosen" 'BEGIN { print a - b }') s after the mode key"
echo "clock: tens turned $(awk -v a="$t" -v b="$chosen" 'BEGIN { print a - b }') s after the mode key"

drive match_hud_kart2 i 2 1

# One view: one big dial at the bottom right for kart 1, no small ones.
press 1
deadline=$(plus "$(now)" 10)
until navy $(mean_of "$(look)" $BIG_FACE); do
  later "$deadline" "$(now)" || { keep match_hud_one_view; fail "key '1': no big dial"; }
done
one=$(look)
keep match_hud_one_view
if navy $(mean_of "$one" $FACE1); then fail "key '1': the small dial of view 1 is still drawn"; fi
key_down w
deadline=$(plus "$(now)" 8)
while :; do
  report=$(look)
  if moved "$one" "$report" $BIG_REST && [ "$(swept "$one" "$report" "$BIG_UP")" -gt 15 ]; then break; fi
  later "$deadline" "$(now)" || { key_up w; keep match_hud_one_view_w; fail "key '1': the big needle did not follow kart 1"; }
done
key_up w

press 2
deadline=$(plus "$(now)" 10)
while report=$(look); ! { navy $(mean_of "$report" $FACE1) && navy $(mean_of "$report" $FACE2); }; do
  later "$deadline" "$(now)" || { keep match_hud_two_views; fail "key '2': the two small dials are not back"; }
done
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "match hud ok"
