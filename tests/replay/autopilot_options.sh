# The autopilot refuses bad options with status 2 and nothing on standard
# output, stops at its time limit with status 1 when the match was to be
# won, writes the frame time it was given as given, and with --keys writes
# the CPU's controls as keys that replay to the same race without the CPU.
source "$(dirname "$0")/autopilot/common.sh"

refuses() {
  local expected=$1 status
  shift
  set +e
  "$AUTOPILOT" "$@" >"$OUT/autopilot_options.out" 2>"$OUT/autopilot_options.err"
  status=$?
  set -e
  [ "$status" -eq 2 ] || fail "status $status, not 2, for: $*"
  [ ! -s "$OUT/autopilot_options.out" ] || fail "something on standard output for: $*"
  grep -qF -- "$expected" "$OUT/autopilot_options.err" ||
    fail "expected \"$expected\" for $*, got: $(cat "$OUT/autopilot_options.err")"
  echo "ok: $(cat "$OUT/autopilot_options.err")"
}

refuses "--match" --match soccer
refuses "--drive" --drive 3
refuses "--dt" --dt 0
refuses "--dt-range" --dt-range 0.1 0.01
refuses "--dt-range" --dt-range 0.01
refuses "--seed" --seed -1
refuses "--time-limit" --time-limit 0
refuses "--linger needs a value" --linger
refuses "--level" --level expert
refuses "--keys needs --dt 0.01" --keys
refuses "--keys needs --dt 0.01" --keys --dt-range 0.005 0.02
refuses "unknown option --fast" --fast

script autopilot_options
set +e
"$AUTOPILOT" --match tag --time-limit 2.99 --until-won >"$SCRIPT" 2>"$OUT/autopilot_options.err"
status=$?
set -e
expect "$status" == 1 "a match not won in time"
grep -q "not won" "$OUT/autopilot_options.err" || fail "the report does not say so"
expect "$(grep -cE '^0\.02 ' "$SCRIPT")" == 150 "three seconds of 0.02 s frames"
expect "$(grep -c '^seed 1$' "$SCRIPT")" == 1 "one seed line"

"$AUTOPILOT" --dt 0.25 --time-limit 1 --seed 7 >"$SCRIPT" 2>/dev/null || fail "a run without --until-won failed"
expect "$(grep -cE '^0\.25 -$' "$SCRIPT")" == 4 "four frames of 0.25 s as given, no key in the countdown"
play
expect "$(value 4 1 countdownActive)" == 1 "still counting down"

script autopilot_keys
"$AUTOPILOT" --keys --dt 0.01 --time-limit 40 --level hard >"$SCRIPT" 2>"$OUT/autopilot_keys.err" ||
  fail "a run with --keys failed"
grep -q '^# replay:' "$SCRIPT" && fail "a script of keys names CPU options"
expect "$(grep -cE '^0\.01 [^-]' "$SCRIPT")" '>' 3000 "frames of the CPU's keys"
play
tail -n 2 "$OUT/autopilot_keys.err" | awk -v trace="$TRACE" '
  BEGIN { while ((getline line < trace) > 0) { split(line, v, ","); if (v[2] == 1 || v[2] == 2) last[v[2]] = v[3] " " v[5] } }
  { k = substr($2, 1, 1); if (last[k] != $4 " " $8) { print "kart " k; exit 1 } }' ||
  fail "the keys replay to another place than the CPU drove to"
echo "ok: the keys replay to where the CPU drove"
