# The CPU in either seat plays the ball game against a parked kart: the mode
# choice ('0', '7') and empty frames through vorlane-replay --cpu 1 or 2, at
# 7, 17 and 33 ms frames, until its third goal wins.
source "$(dirname "$0")/lib.sh"

for dt in 0.007 0.017 0.033; do
  for player in 1 2; do
    other=$((3 - player))
    script "cpu_ball_${player}_$dt"
    chosen 7 "$dt"
    empty_frames 220 "$dt"
    play --level easy --cpu "$player"
    expect "$(last "$player" goals)" '>=' 3 "ball at $dt s frames: CPU kart $player scores three"
    expect "$(last 1 "showP${player}Wins")" == 1 "ball at $dt s frames: player $player wins"
    expect "$(last "$other" goals)" == 0 "ball at $dt s frames: the parked kart scores none"
  done
done
