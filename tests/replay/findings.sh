# Two things the rules did when each frame was one step of its own length,
# kept as scripts: stepped frame by frame (--frame-step) they still do them,
# and on the game's fixed tick they drive as a player expects.
source "$(dirname "$0")/lib.sh"
FINDINGS="$(dirname "$0")/findings"

# trace_of NAME SCRIPT [OPTION]: the script's trace into build/replay/NAME.csv.
trace_of() {
  SCRIPT=$2
  TRACE="$OUT/$1.csv"
  "$REPLAY" ${3:+"$3"} "$SCRIPT" >"$TRACE" || fail "the replay tool failed on $SCRIPT"
}

# Holding 'w' and 'a' at 33 ms frames: stepped by frames, the steering key
# is undone within each frame and the kart never turns.
trace_of steering_frame_step "$FINDINGS/steering-at-30-fps.replay" --frame-step
expect "$(most 1 heading 1 310)" == 0 "stepped by frames, 'a' never turns the kart"
expect "$(value 310 1 x)" == -150 "and it drives straight up its lane"
trace_of steering_ticks "$FINDINGS/steering-at-30-fps.replay"
expect "$(most 1 heading 1 310)" '>' 1 "on ticks, 'a' at 33 ms frames turns the kart"

# Off the north-east ramp's top at 10 frames a second: stepped by frames the
# kart lands on the invisible field-level ground over the lower corner and
# is trapped there.
trace_of ramp_frame_step "$FINDINGS/ramp-foot-at-10-fps.replay" --frame-step
expect "$(value 2380 1 y)" == 0.200000003 "stepped by frames, the kart stands at the field's level"
expect "$(value 2380 1 x)" '>' 135 "over the lower lane's corner"
# On ticks, from the same street at the same speed: down at the ramp's foot.
trace_of ramp_ticks "$FINDINGS/ramp-foot-on-ticks.replay"
expect "$(value 2279 1 speed)" '>' 22 "on ticks, kart 1 comes along the north street at speed"
expect "$(value 2279 1 y)" == 0.200000003 "on the field's level"
expect "$(value 2319 1 y)" == -10 "and lands on the lower lane at the ramp's foot"
expect "$(value 2319 1 x)" '>' 135 "beyond the ramp"
# Ten ticks a frame are ten ticks: 20 ms frames end in the same place.
ticks_10=$(tail -n 2 "$TRACE" | cut -d, -f2-)
awk '/^0\.1 w$/ { for (i = 0; i < 5; ++i) print "0.02 w"; next } { print }' \
  "$FINDINGS/ramp-foot-on-ticks.replay" >"$OUT/ramp_ticks_50fps.replay"
trace_of ramp_ticks_50fps "$OUT/ramp_ticks_50fps.replay"
[ "$(tail -n 2 "$TRACE" | cut -d, -f2-)" = "$ticks_10" ] ||
  fail "the flight at 50 frames a second ends elsewhere than at 10"
echo "ok: the flight ends in the same place at 10 and at 50 frames a second"
