# Through the game as two players would go: the start countdown; both karts
# driving at once; '0' for the mode choice, where the picture stops; '6' for
# tag with a clock in each view; '0' and '7' for the ball game, where the tag
# clocks and the match clock are gone; '1' and '2' for one and two views; ';'
# for the title banner while it is held; 'c' and 'n' for each player's
# camera; '3' for the dusk sky; '9' for the sound, after which the game plays on.
source "$(dirname "$0")/lib.sh"

# The match clock's digit cells at the top left of view 1, to see it run.
CLOCK1=("111 10 37 44" "148 10 37 44" "185 10 37 44" "222 10 37 44")
# Each view in cells of 110 x 60, clear of the clocks, the dials and the
# seam's messages; and the lower part of each, below any sky and its clouds.
VIEW1=() VIEW2=() LOW1=() LOW2=()
for x in 0 110 220 330 440 550 660 770 880 990; do
  for y in 60 120 180 240 300 360; do VIEW1+=("$x $y 110 60"); done
  for y in 180 240 300 360; do LOW1+=("$x $y 110 60"); done
  for y in 540 600 660 720; do VIEW2+=("$x $y 110 60"); done
  for y in 660 720; do LOW2+=("$x $y 110 60"); done
done
# Each dial's needle at rest, 30 degrees below the left horizontal.
REST1="1172 434 22 14" REST2="1172 914 22 14"
# The whole window in 48 cells, to see that not a pixel changes.
WHOLE=()
for y in 0 160 320 480 640 800; do
  for x in 0 160 320 480 640 800 960 1120; do WHOLE+=("$x $y 160 160"); done
done
# The small and the big dial's faces.
FACE1="1145 395 35 35" FACE2="1145 875 35 35" BIG_FACE="1000 790 60 60"
# The sky at the far end of the lane in each driver's view, in three patches
# each: a drifting cloud may cover some of them.
SKY=("450 5 45 30" "530 5 60 30" "620 5 50 30" "510 485 45 30" "590 485 60 30" "680 485 50 30")
# The guide arrows over the lane in view 1, and both ends of the title
# banner's purple band.
ARROWS=("360 60 100 130" "590 120 90 50")
BANNER=("428 460 16 40" "836 460 16 40")
REGIONS=$(clock_regions)
for r in "${CLOCK1[@]}" "${VIEW1[@]}" "${VIEW2[@]}" "${WHOLE[@]}" "${ARROWS[@]}" "${BANNER[@]}" \
  "${SKY[@]}" "$FACE1" "$FACE2" "$BIG_FACE" "$REST1" "$REST2"; do
  REGIONS="$REGIONS --mean $r"
done
look() { peek $REGIONS || fail "no screenshot"; }
clocks() { echo "view 1 $(clock_of "$1" $CLOCK1_TOP), view 2 $(clock_of "$1" $CLOCK2_TOP)"; }

# count_changed BEFORE AFTER REGION...: how many regions changed visibly.
count_changed() { changes "$@" | awk '{ n = 0; for (i = 1; i <= NF; i++) if ($i > 15) n++; print n }'; }
navy() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(b > r + 30 && b > g + 25 && r < 110) }'; }
purple() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(b > g + 50 && r > g + 20) }'; }
# sky_count REPORT day|dusk: how many sky patches show the day's blue or the
# dusk's red to purple (a white cloud is neither).
sky_count() {
  local report=$1 kind=$2 patch
  for patch in "${SKY[@]}"; do mean_of "$report" $patch; done | awk -v kind="$kind" '
    kind == "day" && $3 > $1 + 40 { n++ }
    kind == "dusk" && $1 > $2 + 60 { n++ }
    END { print n + 0 }'
}
# at_rest: two looks in a row, a second apart, are the same in the lower part
# of both views (a camera glides into a new mode); LOOK holds the second.
LOOK=""
at_rest() {
  local previous=$LOOK
  sleep 1
  LOOK=$(look)
  SAW="the lower parts of the views changed by $(changes "$previous" "$LOOK" "${LOW1[@]}" "${LOW2[@]}")"
  [ -n "$previous" ] && unchanged "$previous" "$LOOK" "${LOW1[@]}" "${LOW2[@]}"
}
settled() {
  LOOK=""
  wait_for 20 "$1: the views never came to rest" at_rest
}
# poll NAME SECONDS TEST: looks until "TEST LOOK" holds; TEST sets SAW.
looks_like() {
  LOOK=$(look)
  "$1" "$LOOK"
}
poll() { wait_for "$2" "$1" looks_like "$3"; }

start_game mode_walk
watch_countdown mode_walk_start 40 $REGIONS
# The first frame's step includes the loading time, so the countdown may open
# past READY on a slow machine; GO lasts one second, which a slow shot may miss.
[[ "$STATES" =~ ^(\ ready)?\ set(\ go)?\ none$ ]] || fail "the game did not start into READY, SET, GO:$STATES"
[ "$(clocks "${SETTLED[-1]}")" = "view 1 000.0, view 2 ---.-" ] ||
  fail "not the match clock alone at 000.0 during the countdown: $(clocks "${SETTLED[-1]}")"
# Pictures of the start line compare like with like: during a countdown the
# karts stand as placed, after it they settle onto the ground, a little lower.
RACE=$PLAIN # both karts at rest at the start line

# Both players at once: both needles leave their rest, both views change.
both_drive() {
  local report n1 n2
  report=$(look)
  n1=$(count_changed "$RACE" "$report" "${VIEW1[@]}")
  n2=$(count_changed "$RACE" "$report" "${VIEW2[@]}")
  SAW="needles $(changes "$RACE" "$report" "$REST1" "$REST2"), $n1 cells changed in view 1, $n2 in view 2"
  [ "$(count_changed "$RACE" "$report" "$REST1" "$REST2")" = 2 ] && [ "$n1" -ge 3 ] && [ "$n2" -ge 3 ]
}
key_down w
key_down i
wait_for 10 "'w' and 'i' held together: not both karts driving" both_drive
key_up w
key_up i
echo "'w' and 'i' together: $SAW"

# The mode choice: no more frames, the last picture stays.
first=$(look)
sleep 1
! unchanged "$first" "$(look)" "${CLOCK1[@]}" "${WHOLE[@]}" || fail "the game is not drawing before '0': the clock stays at $(clock_of "$first" $CLOCK1_TOP)"
hold 0 1
first=$(look)
for _ in 1 2; do
  sleep 1
  report=$(look)
  unchanged "$first" "$report" "${WHOLE[@]}" ||
    fail "the picture changes while waiting for a mode key: $(count_changed "$first" "$report" "${WHOLE[@]}") of 48 cells, the clock $(clock_of "$first" $CLOCK1_TOP) then $(clock_of "$report" $CLOCK1_TOP)"
done

# Tag: a fresh countdown, the karts back at the start line, a clock in each
# view, kart 1's reading 120.0 where the race's read 000.0.
hold 6 0.5
watch_countdown mode_walk_tag 30 $REGIONS
[[ "$STATES" =~ ^\ ready\ set(\ go)?\ none$ ]] || fail "'6': no READY, SET, GO:$STATES"
TAG=${SETTLED[0]}
# A match clock drawn over kart 1's would leave its cells unreadable.
[ "$(clocks "$TAG")" = "view 1 120.0, view 2 120.0" ] || fail "'6': not a 120.0 tag clock in each view: $(clocks "$TAG")"

# The ball game: no tag clocks, and no match clock either after a game of
# tag; the guide arrows point elsewhere.
hold 0 1
hold 7 0.5
watch_countdown mode_walk_ball 30 $REGIONS
[[ "$STATES" =~ ^\ ready\ set(\ go)?\ none$ ]] || fail "'7': no READY, SET, GO:$STATES"
BALL=${SETTLED[0]}
[ "$(clocks "$BALL")" = "view 1 ---.-, view 2 ---.-" ] || fail "'7': a clock after tag: $(clocks "$BALL")"
[ "$(count_changed "$TAG" "$BALL" "${ARROWS[@]}")" -ge 1 ] || fail "'7': the guide arrows are those of tag: $(changes "$TAG" "$BALL" "${ARROWS[@]}")"

# One view and its big dial, then two again.
dials() { SAW="big dial face $(mean_of "$1" $BIG_FACE), small ones $(mean_of "$1" $FACE1) / $(mean_of "$1" $FACE2)"; }
press 1
has_big_dial() { dials "$1" && navy $(mean_of "$1" $BIG_FACE) && ! navy $(mean_of "$1" $FACE1); }
poll "'1': no big dial alone" 10 has_big_dial
press 2
has_small_dials() { dials "$1" && navy $(mean_of "$1" $FACE1) && navy $(mean_of "$1" $FACE2); }
poll "'2': no two small dials" 10 has_small_dials

# The title banner while ';' is held, and not after (over the chase views:
# the dusk sky at the top of a driver's view is purple too).
band() { SAW="banner ends $(mean_of "$1" ${BANNER[0]}) / $(mean_of "$1" ${BANNER[1]})"; }
banner() { band "$1" && purple $(mean_of "$1" ${BANNER[0]}) && purple $(mean_of "$1" ${BANNER[1]}); }
no_banner() { band "$1" && ! purple $(mean_of "$1" ${BANNER[0]}) && ! purple $(mean_of "$1" ${BANNER[1]}); }
no_banner "$(look)" || fail "a title banner before ';': $SAW"
key_down semicolon
poll "';' held: no title banner" 10 banner
sleep 1
banner "$(look)" || { key_up semicolon; fail "the title banner went while ';' was held: $SAW"; }
key_up semicolon
poll "';' let go: the title banner stays" 10 no_banner

# Each player's camera key moves that view only.
settled "the views before 'c'"
before=$LOOK
press c
settled "'c': the views"
after=$LOOK
[ "$(count_changed "$before" "$after" "${LOW1[@]}")" -ge 3 ] || fail "'c' did not change view 1: $(changes "$before" "$after" "${LOW1[@]}")"
unchanged "$before" "$after" "${LOW2[@]}" || fail "'c' changed view 2: $(changes "$before" "$after" "${LOW2[@]}")"
press n
before=$after
settled "'n': the views"
after=$LOOK
[ "$(count_changed "$before" "$after" "${LOW2[@]}")" -ge 3 ] || fail "'n' did not change view 2: $(changes "$before" "$after" "${LOW2[@]}")"
unchanged "$before" "$after" "${LOW1[@]}" || fail "'n' changed view 1: $(changes "$before" "$after" "${LOW1[@]}")"

# Dusk over both drivers' views; the day's sky first (a cloud may cover
# some patches for a while).
skies() { SAW="sky patches $(for patch in "${SKY[@]}"; do printf '%s/ ' "$(mean_of "$1" $patch)"; done)"; }
day() { skies "$1" && [ "$(sky_count "$1" day)" -ge 1 ] && [ "$(sky_count "$1" dusk)" = 0 ]; }
poll "no day sky down the lane" 20 day
press 3
dusk() { skies "$1" && [ "$(sky_count "$1" dusk)" -ge 1 ] && [ "$(sky_count "$1" day)" = 0 ]; }
poll "'3': no dusk sky down the lane" 20 dusk

# Sound off: the game plays on.
press 9
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped after '9'"
before=$(look)
drives() { LOOK=$(look); SAW="$(count_changed "$before" "$LOOK" "${LOW1[@]}") cells changed"; [ "$(count_changed "$before" "$LOOK" "${LOW1[@]}")" -ge 3 ]; }
key_down w
wait_for 10 "kart 1 does not drive after '9'" drives
key_up w
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error"
echo "mode walk ok"
