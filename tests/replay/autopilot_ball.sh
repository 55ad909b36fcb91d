# The autopilot chooses the ball game ('0', then '7') and drives one kart
# from the race start up onto the field, where it works its way behind the
# ball and pushes it into its goal three times: once for player 1, at the +x
# end, once for player 2, at the -x end. The same options give the same
# script twice.
source "$(dirname "$0")/autopilot/common.sh"

for player in 1 2; do
  other=$((3 - player))
  autopilot "autopilot_ball_$player" --match ball --drive $player --until-won --linger 0.5
  [ -n "$(frame_holding 7)" ] || fail "the ball game was never chosen"
  for goal in 1 2; do
    f=$(first_frame $player goals == $goal)
    [ -n "$f" ] || fail "no goal $goal"
    expect "$(value "$f" 1 ballX)" == 0 "after goal $goal the ball is back on its spot"
    expect "$(value "$f" 1 ballZ)" == 60 "after goal $goal the ball is back on its spot"
    expect "$(value "$f" 1 showP${player}Wins)" == 0 "goal $goal wins nothing yet"
  done
  won=$(first_frame $player goals ">=" 3)
  [ -n "$won" ] || fail "no third goal"
  goal_x=$([ $player = 1 ] && echo 107 || echo -107)
  expect "$(value "$won" 1 showP${player}Wins)" == 1 "the third goal wins"
  expect "$(value "$won" 1 ballX)" == "$goal_x" "the ball stays in player $player's goal"
  expect "$(value "$won" 1 ballZ)" == 45 "the ball stays in player $player's goal"
  expect "$(value "$LAST" $other goals)" == 0 "the kart nobody drives scores nothing"
  expect "$(value "$LAST" 1 showP${other}Wins)" == 0 "player $other does not win"
done

"$AUTOPILOT" --match ball --drive 1 --until-won 2>/dev/null | cmp -s - "$OUT/autopilot_ball_1.replay" &&
  fail "--linger made no difference"
"$AUTOPILOT" --match ball --drive 1 --until-won --linger 0.5 2>/dev/null |
  cmp -s - "$OUT/autopilot_ball_1.replay" || fail "the same options gave another script"
echo "ok: the same options give the same script"
