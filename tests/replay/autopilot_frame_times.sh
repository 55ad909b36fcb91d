# The autopilot has the CPU drive the whole race on random frame times from
# 1 ms to 100 ms, drawn from its seed: past 40 ms a frame's steering key no
# longer turns the kart its own way, and past 50 ms it turns it the other
# way, but the CPU steers tick by tick, so the race is the one it drives on
# 20 ms frames, to the clock's last digit.
source "$(dirname "$0")/autopilot/common.sh"

autopilot autopilot_frame_times --dt-range 0.001 0.1 --until-won

awk '/^[0-9.]+ / {
    if ($1 !~ /^0\.[0-9][0-9][0-9][0-9]$/ || $1 < 0.001 || $1 > 0.1) { print "bad " $1; exit 1 }
    seen[$1] = 1; if ($1 > 0.05) long++ }
  END { n = 0; for (t in seen) n++; print n, long }' "$SCRIPT" >"$OUT/$NAME.times" ||
  fail "a frame time out of range: $(cat "$OUT/$NAME.times")"
read -r distinct long <"$OUT/$NAME.times"
expect "$distinct" '>' 900 "the frame times spread over the range"
expect "$long" '>' 1000 "many frames are longer than 50 ms"
for k in 1 2; do
  expect "$(value "$LAST" $k checkpoint)" == 35 "kart $k is on its last checkpoint"
  expect "$(value "$LAST" $k finished)" == 1 "kart $k has finished"
done

"$AUTOPILOT" --dt-range 0.001 0.1 --seed 2 --time-limit 1 2>/dev/null | grep -E '^[0-9.]+ ' >"$OUT/$NAME.seed2"
head -n "$(wc -l <"$OUT/$NAME.seed2")" "$SCRIPT" | grep -E '^[0-9.]+ ' | cmp -s - "$OUT/$NAME.seed2" &&
  fail "another seed gave the same frame times"
echo "ok: another seed, other frame times"

random_clock=$(last 1 matchClock)
autopilot autopilot_frame_times_fixed --until-won
expect "$(last 1 matchClock)" == "$random_clock" "the same race on 20 ms frames"
