# Shared by the replay tests: write a script of frames, play it through the
# replay tool, and read the trace. Needs VK_BUILD (the build folder).
#
#   script NAME         starts build/replay/NAME.replay (seed 1)
#   use NAME            goes back to a script written before
#   frames N KEYS [DT]  appends N frames holding KEYS ("-" for none), DT 0.02
#   countdown           the five seconds before GO, no keys
#   empty_frames S DT, chosen KEY DT: S seconds of DT frames with no key; the
#                       mode choice ('0', then KEY) after the first countdown
#   play [OPTION...]    runs the script with the replay tool's options (--cpu,
#                       say); the trace goes to build/replay/NAME.csv
#   value FRAME KART COLUMN, last KART COLUMN, expect VALUE OP NUMBER WHAT,
#   most/least KART COLUMN FROM TO: the largest/smallest value over frames

set -euo pipefail
: "${VK_BUILD:?}"
REPLAY="$VK_BUILD/tools/vorlane-replay"
OUT="$VK_BUILD/replay"
mkdir -p "$OUT"
NAME=""
SCRIPT=""
TRACE=""

fail() {
  echo "FAIL: $*" >&2
  [ -n "$SCRIPT" ] && echo "script: $SCRIPT, trace: $TRACE" >&2
  exit 1
}

# use NAME: goes back to a script written before, to play or read it.
use() {
  NAME=$1
  SCRIPT="$OUT/$NAME.replay"
  TRACE="$OUT/$NAME.csv"
}

script() {
  NAME=$1
  SCRIPT="$OUT/$NAME.replay"
  TRACE="$OUT/$NAME.csv"
  printf 'seed %s\n' "${2:-1}" >"$SCRIPT"
}

frames() {
  local n=$1 keys=$2 dt=${3:-0.02}
  awk -v n="$n" -v line="$dt $keys" 'BEGIN { for (i = 0; i < n; ++i) print line }' >>"$SCRIPT"
}

# empty_frames SECONDS DT: that long in frames of DT with no key.
empty_frames() { frames "$(awk -v s="$1" -v dt="$2" 'BEGIN { print int(s / dt + 0.5) }')" - "$2"; }

# chosen MODE_KEY DT: after the starting race's countdown, '0' and the mode key.
chosen() {
  empty_frames 5.1 "$2"
  frames 1 0 "$2"
  frames 1 "$1" "$2"
}

# 5 s of countdown and one frame more: the karts are free from the next frame.
countdown() { frames 251 -; }

# The number of frames written so far.
frame_count() { grep -cE '^[0-9.]+ ' "$SCRIPT"; }

play() {
  "$REPLAY" "$@" "$SCRIPT" >"$TRACE" 2>"$OUT/$NAME.stderr" ||
    fail "the replay tool failed on $SCRIPT: $(cat "$OUT/$NAME.stderr")"
}

# last KART COLUMN: the value on the last frame.
last() { value "$(tail -n 1 "$TRACE" | cut -d, -f1)" "$1" "$2"; }

# The column's number in the trace header.
column() {
  head -n 1 "$TRACE" | tr ',' '\n' | grep -nx "$1" | cut -d: -f1 | grep . ||
    fail "no column $1 in the trace"
}

value() {
  local c
  c=$(column "$3")
  awk -F, -v f="$1" -v k="$2" -v c="$c" '$1 == f && $2 == k { print $c }' "$TRACE"
}

most() {
  local c
  c=$(column "$2")
  awk -F, -v k="$1" -v c="$c" -v a="$3" -v b="$4" \
    'NR > 1 && $2 == k && $1 >= a && $1 <= b { if (!n++ || $c > m) m = $c } END { print m }' "$TRACE"
}

least() {
  local c
  c=$(column "$2")
  awk -F, -v k="$1" -v c="$c" -v a="$3" -v b="$4" \
    'NR > 1 && $2 == k && $1 >= a && $1 <= b { if (!n++ || $c < m) m = $c } END { print m }' "$TRACE"
}

# expect VALUE OP NUMBER WHAT: OP one of < <= > >= == !=
expect() {
  local v=$1 op=$2 n=$3
  shift 3
  [ -n "$v" ] || fail "$* (no value)"
  awk -v v="$v" -v n="$n" -v op="$op" 'BEGIN {
    v += 0; n += 0
    if (op == "<") ok = (v < n); else if (op == "<=") ok = (v <= n)
    else if (op == ">") ok = (v > n); else if (op == ">=") ok = (v >= n)
    else if (op == "==") ok = (v == n); else if (op == "!=") ok = (v != n)
    exit !ok }' || fail "$*: $v is not $op $n"
  echo "ok: $* ($v $op $n)"
}
