# The replay tool refuses a malformed script line by line, and a missing
# file, with status 2 and nothing on standard output.
source "$(dirname "$0")/lib.sh"

refuses() {
  local expected=$1 out err status
  shift
  out=$(mktemp)
  err=$(mktemp)
  set +e
  "$REPLAY" "$@" >"$out" 2>"$err"
  status=$?
  set -e
  [ "$status" -eq 2 ] || fail "status $status, not 2, for: $expected"
  [ ! -s "$out" ] || fail "something on standard output for: $expected"
  grep -qF -- "$expected" "$err" || fail "expected \"$expected\" on standard error, got: $(cat "$err")"
  echo "ok: $(cat "$err")"
  rm -f "$out" "$err"
}

bad="$OUT/tool_faults.replay"
printf 'seed 3\n0.02 w\n\n# fine so far\n0.02\n' >"$bad"
refuses "line 5: " "$bad"
printf '0.02 w\nfast w\n' >"$bad"
refuses "line 2: " "$bad"
printf '0.02 w x\n' >"$bad"
refuses "line 1: " "$bad"
printf '0.02 w\nseed 4\n' >"$bad"
refuses "line 2: " "$bad"
printf 'seed -1\n' >"$bad"
refuses "line 1: " "$bad"
printf -- '-0.5 w\n' >"$bad"
refuses "line 1: " "$bad"
printf 'nan -\n' >"$bad"
refuses "line 1: " "$bad"
refuses "no-such-script.replay" "$OUT/no-such-script.replay"

# Standard input works as a file does, and a script gives the same trace twice.
good="$OUT/tool_faults_good.replay"
{ echo "seed 9"; for i in $(seq 300); do echo "0.017 wa"; done; } >"$good"
"$REPLAY" <"$good" >"$OUT/tool_faults_1.csv" || fail "standard input refused"
"$REPLAY" "$good" >"$OUT/tool_faults_2.csv" || fail "the same script as a file refused"
cmp -s "$OUT/tool_faults_1.csv" "$OUT/tool_faults_2.csv" || fail "two runs gave different traces"
[ "$(wc -l <"$OUT/tool_faults_1.csv")" -eq 601 ] || fail "not one row per kart per frame"
echo "ok: the same trace from standard input and from the file"

# The CPU's options: a wrong seat or level is refused, and the options go in
# any order, with --frame-step too.
refuses "--cpu takes 1, 2 or both" --cpu 3 "$good"
refuses "--cpu takes 1, 2 or both" "$good" --cpu
refuses "--level takes easy, normal or hard" --cpu 1 --level expert "$good"
"$REPLAY" --frame-step --level hard --cpu 2 "$good" >"$OUT/tool_faults_3.csv" || fail "the CPU's options refused"
"$REPLAY" "$good" --cpu 2 --frame-step --level hard >"$OUT/tool_faults_4.csv" || fail "options after the script refused"
cmp -s "$OUT/tool_faults_3.csv" "$OUT/tool_faults_4.csv" || fail "the options' order changed the trace"
echo "ok: the CPU's options in any order"
