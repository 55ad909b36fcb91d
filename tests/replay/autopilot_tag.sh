# The autopilot chooses a game of tag as a player would ('0' once the
# starting race's countdown is over, then '6') and plays it out: the kart that
# is it chases, the other flees, until one clock has run down and the other
# player has won.
source "$(dirname "$0")/autopilot/common.sh"

# Frames of one tick each, so that each step of the rules shows in the trace.
autopilot autopilot_tag --match tag --until-won --linger 1 --dt 0.01

zero=$(frame_holding 0)
[ -n "$zero" ] || fail "no frame holds '0'"
expect "$(keys_of $((zero + 1)))" == 6 "'6' on the frame after '0'"
expect "$(value "$zero" 1 countdownActive)" == 0 "'0' comes after the countdown"
start=$((zero + 1))
expect "$(value "$start" 1 isIt)" == 1 "kart 1 is it at the start"
expect "$(value "$start" 1 countdownActive)" == 1 "a new countdown"

swaps=$(awk -F, -v s="$start" 'NR > 1 && $2 == 1 && $1 >= s { if ($18 != p && n++) print $1; p = $18 }' "$TRACE")
[ -n "$swaps" ] || fail "kart 1 never passed on \"it\""
echo "ok: \"it\" changed hands $(echo "$swaps" | wc -l) times"
# Neither clock runs for two seconds after a swap (200 ticks; 198 leaves
# room for the float cool-down).
for f in $swaps; do
  for k in 1 2; do
    expect "$(value $((f + 198)) $k tagClock)" == "$(value "$f" $k tagClock)" \
      "kart $k's clock holds after the swap at frame $f"
  done
done

if awk "BEGIN { exit !($(value "$LAST" 1 tagClock) <= 0) }"; then loser=1 winner=2; else loser=2 winner=1; fi
expect "$(value "$LAST" $loser tagClock)" '<=' 0 "kart $loser's clock ran out"
expect "$(value "$LAST" $winner tagClock)" '>' 0 "kart $winner's did not"
expect "$(value "$LAST" 1 showP${winner}Wins)" == 1 "player $winner wins"
expect "$(value "$LAST" 1 showP${loser}Wins)" == 0 "player $loser does not"
out=$(first_frame $loser tagClock '<=' 0)
expect "$(value "$out" 1 showP${winner}Wins)" == 0 "the message waits for the step after the clock runs out"
expect "$(value $((out + 1)) 1 showP${winner}Wins)" == 1 "and comes then"
expect "$(value "$LAST" $loser tagClock)" == "$(value "$out" $loser tagClock)" "the clock stops at 0"
