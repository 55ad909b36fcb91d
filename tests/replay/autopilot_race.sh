# The autopilot drives both karts through the whole starting race, three
# laps of twelve checkpoints each, through the corner ramps, the fence gaps,
# the north street and the tunnels, and the replay of its script checks the
# race's end: each kart's win message on its finish, the clock frozen from
# the first finish.
source "$(dirname "$0")/autopilot/common.sh"

autopilot autopilot_race --until-won --linger 2

! grep -qE '^[0-9.]+ [^ ]*0' "$SCRIPT" || fail "the race is driven from the start, never via '0'"
for k in 1 2; do
  expect "$(value "$LAST" $k checkpoint)" == 35 "kart $k is on its last checkpoint"
  expect "$(value "$LAST" $k finished)" == 1 "kart $k has finished"
  # Only the current point counts: the cursor never jumps a point.
  jumps=$(awk -F, -v k=$k 'NR > 1 && $2 == k { if (n++ && ($15 < p || $15 > p + 1)) j++; p = $15 }
    END { print j + 0 }' "$TRACE")
  expect "$jumps" == 0 "kart $k passes its checkpoints one at a time"
done

p1=$(first_frame 1 finished == 1)
p2=$(first_frame 2 finished == 1)
expect "$(value "$p1" 1 showP1Wins)" == 1 "player 1's message on kart 1's finish"
expect "$(value "$p2" 1 showP2Wins)" == 1 "player 2's message on kart 2's finish"
expect "$(value $((p1 - 1)) 1 showP1Wins)" == 0 "no player 1 message before it"
expect "$(value $((p2 - 1)) 1 showP2Wins)" == 0 "no player 2 message before it"

first=$((p1 < p2 ? p1 : p2))
frozen=$(value "$first" 1 matchClock)
expect "$frozen" '>' 100 "three laps take a while"
expect "$(most 1 matchClock "$first" "$LAST")" == "$frozen" "the clock stops at the first finish"
expect "$(least 1 matchClock "$first" "$LAST")" == "$frozen" "and stays stopped"
# The finishing step itself adds no time.
expect "$(value $((first - 2)) 1 matchClock)" '<' "$frozen" "it ran up to the finish"
