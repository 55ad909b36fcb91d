# The CPU races itself from the start: a script of empty frames through
# vorlane-replay --cpu both, at 7, 17 and 33 ms frames, both karts through
# their three laps. The CPU runs on the ticks: the race is the same at every
# frame time, to the clock's last digit. Stepped frame by frame, 10 ms
# frames are ticks: the CPU drives the same race.
source "$(dirname "$0")/lib.sh"

race_clock=""
for dt in 0.007 0.017 0.033; do
  script "cpu_race_$dt"
  empty_frames 260 "$dt"
  play --cpu both
  for k in 1 2; do
    expect "$(last $k checkpoint)" == 35 "race at $dt s frames: kart $k is on its last checkpoint"
    expect "$(last $k finished)" == 1 "race at $dt s frames: kart $k has finished three laps"
  done
  clock=$(last 1 matchClock)
  expect "$clock" '>' 150 "race at $dt s frames: three laps take a while"
  [ -z "$race_clock" ] || [ "$clock" = "$race_clock" ] ||
    fail "the race ends at $clock s with $dt s frames, at $race_clock s with 7 ms frames"
  race_clock=$clock
done

script cpu_race_frame_step
empty_frames 40 0.01
play --cpu both
ticks=$(tail -n 2 "$TRACE")
play --frame-step --cpu both
[ "$(tail -n 2 "$TRACE")" = "$ticks" ] || fail "stepped by 10 ms frames the CPU drives another race"
expect "$(last 1 checkpoint)" '>=' 3 "stepped by frames, kart 1 gets round its first checkpoints"
