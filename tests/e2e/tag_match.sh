# A whole game of tag without contact, chosen with '0' and '6' after the
# start countdown: a clock at the top left of each view showing 120.0, both
# held through the new countdown; then kart 1, which is it, loses time while
# kart 2's clock stays; kart 1's clock passes below 100 after 20 s of play,
# raises the hurry-up message as it passes below 10, and reaches 000.0 after
# 120 s, when the player-2-wins message shows. The match
# clock stays hidden all along. About two and a quarter minutes.
source "$(dirname "$0")/lib.sh"

# The digit cells of the clock at the top left of each view: hundreds, tens,
# units, tenths. The race's match clock stands where kart 1's tag clock goes.
H1="111 10 37 44" T1="148 10 37 44" U1="185 10 37 44" D1="222 10 37 44"
H2="111 500 37 44" T2="148 500 37 44" U2="185 500 37 44" D2="222 500 37 44"
CLOCK1=("$H1" "$T1" "$U1" "$D1")
CLOCK2=("$H2" "$T2" "$U2" "$D2")
CLOCKS=""
for cell in "${CLOCK1[@]}" "${CLOCK2[@]}"; do CLOCKS="$CLOCKS --mean $cell"; done
# The two lines of a win message: "PLAYER 2" and "WINS".
WIN_TOP="560 445 160 22"
WIN_BOTTOM="575 478 130 35"
look() { peek $MSG_REGIONS $CLOCKS --mean $WIN_TOP --mean $WIN_BOTTOM || fail "no screenshot"; }
keep() { shot "$1" >/dev/null || true; }
same() { [ "$(differ "$1" "$2" $3 $4 $5 $6)" -le 3 ]; }
moved() { [ "$(differ "$1" "$2" $3 $4 $5 $6)" -gt 15 ]; }
since() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a - b }'; }
# green / blue R G B: the player-2 and player-1 lettering over the start line.
green() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(g > r + 15 && g > b + 15) }'; }
blue() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(b > g + 15 && b > r + 15) }'; }

# Pictures of the start line compare like with like: during a countdown the
# karts stand as placed, after it they settle onto the ground, a little lower,
# and the bricks behind the clocks move a little.
start_game tag_match
watch_countdown tag_match_start 40 $CLOCKS
ZERO=${SETTLED[-1]} # the match clock at 000.0 over view 1's bricks
sleep 2
RACE=$(look)        # and settled: the match clock at 00?.?, no clock in view 2

hold 0 1
chosen=$(now)
hold 6 0.5
watch_countdown tag_match_countdown 30 $CLOCKS
# GO lasts one second, which a slow shot may miss.
[[ "$STATES" =~ ^\ ready\ set(\ go)?\ none$ ]] ||
  { keep tag_match_countdown; fail "tag countdown not READY, SET, GO, then nothing:$STATES"; }
START=${SETTLED[0]}
for each in "${SETTLED[@]}"; do
  unchanged "$START" "$each" "${CLOCK1[@]}" "${CLOCK2[@]}" || fail "a tag clock changed during the countdown"
done
# 120.0 in view 1: the same 0 glyphs as the race's 000.0 in units and tenths,
# other digits in front.
unchanged "$ZERO" "$START" "$U1" "$D1" ||
  { keep tag_match_countdown; fail "kart 1's tag clock does not end in 0.0"; }
moved "$ZERO" "$START" $H1 && moved "$ZERO" "$START" $T1 ||
  { keep tag_match_countdown; fail "kart 1's tag clock does not start with 12 alone (a 0 there, or the match clock over it)"; }
changes "$RACE" "$START" "${CLOCK2[@]}" | awk '{ for (i = 1; i <= NF; i++) if ($i <= 15) exit 1 }' ||
  { keep tag_match_countdown; fail "no tag clock in view 2: $(changes "$RACE" "$START" "${CLOCK2[@]}")"; }

# Nothing raises a message before the clock of the kart that is it passes
# below 10 s: told at the end, so that the rest of the game is still checked.
early_message=""
no_early_message() {
  [ -z "$early_message" ] && [ "$(countdown_state "$1")" != none ] || return 0
  early_message="a message showed $(since "$(now)" "$chosen") s into tag, before the clock passed below 10 s ($OUT/tag_match_early_message.png)"
  keep tag_match_early_message
}

# Play: kart 2's clock holds, no message shows, kart 1's clock runs down. The
# game's time cannot run ahead of the wall clock, so each mark has its
# earliest moment; the deadlines leave room for a slow machine.
sleep 2
PLAY=$(look) # settled, kart 1's clock at 11?.?
counting="" below_100="" deadline=$(plus "$chosen" 200)
while :; do
  report=$(look)
  t=$(now)
  unchanged "$PLAY" "$report" "${CLOCK2[@]}" || { keep tag_match_play; fail "kart 2's clock changed $(since "$t" "$chosen") s into tag"; }
  if [ -z "$counting" ] && ! unchanged "$PLAY" "$report" "$U1" "$D1"; then
    counting=$t
    echo "kart 1's clock counting $(since "$t" "$chosen") s after the mode key"
  fi
  if [ -z "$below_100" ] && same "$RACE" "$report" $H1; then
    below_100=$t
    echo "kart 1's clock below 100 $(since "$t" "$chosen") s after the mode key"
    later "$t" "$(plus "$chosen" 25)" || fail "kart 1's clock lost 20 s in $(since "$t" "$chosen") s, countdown included"
  fi
  # 00?.? below 10 s; then the message tells when the clock is out.
  unchanged "$RACE" "$report" "$H1" "$T1" && break
  no_early_message "$report"
  later "$deadline" "$t" || { keep tag_match_play; fail "kart 1's clock did not run out (last cells: $(mean_of "$report" $H1) / $(mean_of "$report" $T1) / $(mean_of "$report" $U1))"; }
  sleep 0.5
done
echo "kart 1's clock below 10 $(since "$t" "$chosen") s after the mode key"
[ -n "$counting" ] && [ -n "$below_100" ] || fail "kart 1's clock skipped a mark on its way down"
later "$t" "$(plus "$chosen" 115)" || fail "kart 1's clock lost 110 s in $(since "$t" "$chosen") s, countdown included"

# The hurry-up message for the last ten seconds; then player 2 wins once the
# clock is out: green lettering on both lines at the seam (player 1's would
# be blue).
p2_wins() { green $(mean_of "$1" $WIN_TOP) && green $(mean_of "$1" $WIN_BOTTOM); }
hurry=""
[ "$(countdown_state "$report")" = none ] || hurry=yes
deadline=$(plus "$(now)" 30)
p1_wins() { blue $(mean_of "$1" $WIN_TOP) || blue $(mean_of "$1" $WIN_BOTTOM); }
until report=$(look) && p2_wins "$report"; do
  if p1_wins "$report"; then keep tag_match_win; fail "the player-1-wins message shows when kart 1's clock runs out"; fi
  [ "$(countdown_state "$report")" = none ] || hurry=yes
  later "$deadline" "$(now)" || { keep tag_match_win; fail "no player-2-wins message after kart 1's clock ran out"; }
done
t=$(now)
echo "player 2 wins $(since "$t" "$chosen") s after the mode key"
later "$t" "$(plus "$chosen" 125)" || fail "player 2 won after only $(since "$t" "$chosen") s, countdown included"
first_win=$report
# It stays, in most shots (it is raised again each time its 2 s run out),
# and so do the clocks.
wins=0
for _ in $(seq 6); do
  report=$(look)
  if p2_wins "$report"; then wins=$((wins + 1)); fi
  if p1_wins "$report"; then keep tag_match_win; fail "the player-1-wins message shows"; fi
  unchanged "$PLAY" "$report" "${CLOCK2[@]}" || { keep tag_match_win; fail "kart 2's clock changed after the win"; }
  unchanged "$RACE" "$report" "$H1" "$T1" || { keep tag_match_win; fail "kart 1's clock left 00 after running out"; }
  unchanged "$first_win" "$report" "${CLOCK1[@]}" || { keep tag_match_win; fail "kart 1's clock still runs after the win"; }
  sleep 0.5
done
keep tag_match_win
echo "player-2-wins message in $wins of 6 shots: $(mean_of "$report" $WIN_TOP) / $(mean_of "$report" $WIN_BOTTOM)"
[ "$wins" -ge 4 ] || fail "the player-2-wins message does not stay ($wins of 6 shots)"
[ -z "$early_message" ] || fail "$early_message"
[ -n "$hurry" ] || fail "no hurry-up message in kart 1's last ten seconds"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "tag match ok"
