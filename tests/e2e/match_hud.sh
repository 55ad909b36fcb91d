# The overlay through two race starts: READY, SET and GO in turn at the seam,
# then nothing; a dial at the bottom right of each view whose needle follows
# its own kart's speed and no other; the match clock at the top left holding
# 000.0 through the countdown, then counting in seconds, never ahead of the
# wall clock; key '1' for one big dial and key '2' for the two small ones
# again.
source "$(dirname "$0")/lib.sh"

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

REGIONS=$(clock_regions)
IFS='|' read -r -a boxes <<<"$UP1|$UP2|$BIG_UP"
for r in "$FACE1" "$REST1" "$FACE2" "$REST2" "$BIG_FACE" "$BIG_REST" "${boxes[@]}"; do
  REGIONS="$REGIONS --mean $r"
done
look() { peek $MSG_REGIONS $REGIONS || fail "no screenshot"; }
clock() { clock_of "$1" $CLOCK1_TOP; }

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

# clock_held NAME: the match clock read 000.0 through SET and GO.
clock_held() {
  local each
  for each in "${SETTLED[@]}"; do
    [ "$(clock "$each")" = 000.0 ] || fail "$1: the clock read $(clock "$each") during the countdown"
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
    later "$deadline" "$(now)" || { key_up "$key"; fail "$name: the needle of dial $moving did not swing up under '$key': rest $(differ "$AT_REST" "$report" ${!rest_m}), up $(swept "$AT_REST" "$report" "${!up_m}")"; }
  done
  key_up "$key"
  echo "$name: dial $moving needle up: rest $(differ "$AT_REST" "$report" ${!rest_m}), up $(swept "$AT_REST" "$report" "${!up_m}")"
  same "$AT_REST" "$report" ${!rest_r} && [ "$(swept "$AT_REST" "$report" "${!up_r}")" -le 3 ] ||
    fail "$name: the needle of dial $resting moved too under '$key': rest $(differ "$AT_REST" "$report" ${!rest_r}), up $(swept "$AT_REST" "$report" "${!up_r}")"
}

start_game match_hud

# The first frame's step includes the loading time, so on a slow machine the
# start countdown may open past READY, with the camera still gliding in from
# the origin; the order holds all the same. GO lasts one second, which a
# loaded machine may draw in no frame or no look catch: it must show in one
# of the two countdowns.
watch_countdown match_hud_start 40 $REGIONS
[[ "$STATES" =~ ^(\ ready)?\ set(\ go)?\ none$ ]] || fail "start countdown out of order:$STATES"
go_seen=${SEEN[go]:-}
clock_held "start countdown"
AT_REST=$PLAIN # both karts at rest at the start line
navy $(mean_of "$PLAIN" $FACE1) || fail "no dial face in view 1: $(mean_of "$PLAIN" $FACE1)"
navy $(mean_of "$PLAIN" $FACE2) || fail "no dial face in view 2: $(mean_of "$PLAIN" $FACE2)"

drive match_hud_kart1 w 1 2

# A new race: a fresh countdown with a clock of its own from the mode key on,
# fresh karts at rest and the match clock back at 000.0.
hold 0 1
stopped=$(clock "$(look)")
sleep 1
[ "$(clock "$(look)")" = "$stopped" ] || fail "key '0' did not stop the frames for the mode choice: the clock read $stopped, then $(clock "$(look)")"
chosen=$(now)
hold 5 0.5
watch_countdown match_hud_race 30 $REGIONS
[[ "$STATES" =~ ^\ ready\ set(\ go)?\ none$ ]] || fail "race countdown not READY, SET, GO, then nothing:$STATES"
[ -n "$go_seen${SEEN[go]:-}" ] || fail "no GO in either countdown"
# The game's clock cannot run ahead of the wall clock.
for state in set go none; do
  [ -n "${SEEN[$state]:-}" ] || continue
  case $state in set) after=2 ;; go) after=4 ;; none) after=5 ;; esac
  later "${SEEN[$state]}" "$(plus "$chosen" $after)" ||
    fail "the countdown showed $state $(awk -v a="${SEEN[$state]}" -v b="$chosen" 'BEGIN { print a - b }') s after the mode key, before ${after} s"
done
clock_held "race countdown"
unchanged "$AT_REST" "$PLAIN" "$REST1" "$REST2" && [ "$(swept "$AT_REST" "$PLAIN" "$UP1|$UP2")" -le 3 ] ||
  fail "a fresh kart's needle is not at rest: $(changes "$AT_REST" "$PLAIN" "$REST1" "$REST2"), up $(swept "$AT_REST" "$PLAIN" "$UP1|$UP2")"

# The clock counts from the end of the countdown, up to 10 s and past it,
# never going back and never ahead of the wall clock: at most the seconds
# since the mode key less the 5 s countdown, give or take the cut-off tenths
# and the frame that ends the countdown.
since() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a - b }'; }
previous=000.0 readings=0
deadline=$(plus "${SEEN[none]}" 40)
while :; do
  report=$(look)
  t=$(now)
  reading=$(clock "$report")
  is_clock "$reading" || fail "the match clock unreadable $(since "$t" "$chosen") s after the mode key: $reading"
  awk -v a="$reading" -v b="$previous" 'BEGIN { exit !(a >= b) }' || fail "the match clock went back from $previous to $reading"
  awk -v v="$reading" -v t="$(since "$t" "$chosen")" 'BEGIN { exit !(v <= t - 5 + 0.5) }' ||
    fail "the match clock read $reading only $(since "$t" "$chosen") s after the mode key, countdown included"
  [ "$reading" = "$previous" ] || readings=$((readings + 1))
  previous=$reading
  awk -v v="$reading" 'BEGIN { exit !(v >= 10) }' && break
  later "$deadline" "$t" || fail "the clock did not reach 10 s within 40 s of the countdown's end: $reading"
  sleep 0.2
done
[ "$readings" -ge 5 ] || fail "the clock reached $reading in only $readings steps"
echo "clock: $reading $(since "$t" "$chosen") s after the mode key, after $readings other readings"

drive match_hud_kart2 i 2 1

# One view: one big dial at the bottom right for kart 1, no small ones.
press 1
deadline=$(plus "$(now)" 10)
until navy $(mean_of "$(look)" $BIG_FACE); do
  later "$deadline" "$(now)" || fail "key '1': no big dial: $(mean_of "$(look)" $BIG_FACE)"
done
one=$(look)
keep match_hud_one_view
if navy $(mean_of "$one" $FACE1); then fail "key '1': the small dial of view 1 is still drawn: $(mean_of "$one" $FACE1)"; fi
key_down w
deadline=$(plus "$(now)" 8)
while :; do
  report=$(look)
  if moved "$one" "$report" $BIG_REST && [ "$(swept "$one" "$report" "$BIG_UP")" -gt 15 ]; then break; fi
  later "$deadline" "$(now)" || { key_up w; fail "key '1': the big needle did not follow kart 1: rest $(differ "$one" "$report" $BIG_REST), up $(swept "$one" "$report" "$BIG_UP")"; }
done
key_up w

press 2
deadline=$(plus "$(now)" 10)
while report=$(look); ! { navy $(mean_of "$report" $FACE1) && navy $(mean_of "$report" $FACE2); }; do
  later "$deadline" "$(now)" || fail "key '2': the two small dials are not back: $(mean_of "$report" $FACE1) / $(mean_of "$report" $FACE2)"
done
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "match hud ok"
