# Shared by the autopilot's replay tests (sourced; this folder is not
# scanned for tests). Builds on ../lib.sh.
#
#   autopilot NAME OPTIONS...   plays a match with the autopilot into
#                               build/replay/NAME.replay, replays that
#                               script into NAME.csv with the CPU options
#                               its "# replay:" line names and checks that
#                               the replay ends exactly where the
#                               autopilot's own run ended; LAST is the last
#                               frame
#   first_frame KART COLUMN OP NUMBER   the first frame where the column passes
#   keys_of FRAME               the keys the script holds on that frame
#   frame_holding KEYS          the first frame that holds exactly KEYS

source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
AUTOPILOT="$VK_BUILD/tools/vorlane-autopilot"
REPORT=""
LAST=""

autopilot() {
  script "$1"
  shift
  REPORT="$OUT/$NAME.report"
  "$AUTOPILOT" "$@" >"$SCRIPT" 2>"$REPORT" || fail "the autopilot did not win: $(head -n 1 "$REPORT")"
  echo "ok: $(head -n 1 "$REPORT")"
  CPU_OPTIONS=$(sed -n 's/^# replay: //p' "$SCRIPT")
  [ -n "$CPU_OPTIONS" ] || fail "the script does not say which karts the CPU drives"
  # shellcheck disable=SC2086 # the options are words
  "$REPLAY" $CPU_OPTIONS "$SCRIPT" >"$TRACE" 2>/dev/null || fail "the replay tool failed on $SCRIPT"
  LAST=$(tail -n 1 "$TRACE" | cut -d, -f1)
  # The report's "kart K: FIELD VALUE ..." against the trace's last rows.
  { head -n 1 "$TRACE"; tail -n 2 "$TRACE"; } | awk -F, -v report="$REPORT" '
    NR == 1 { for (i = 1; i <= NF; ++i) col[$i] = i; next }
    { row[$2] = $0 }
    END {
      while ((getline line < report) > 0) {
        if (line !~ /^kart [12]: /) continue
        n = split(line, f, " "); k = substr(f[2], 1, 1); split(row[k], v, ",")
        for (i = 3; i < n; i += 2)
          if (v[col[f[i]]] != f[i + 1]) { print "kart " k " " f[i]; exit 1 }
      }
    }' >"$OUT/$NAME.differs" || fail "the replay ends elsewhere than the autopilot's run: $(cat "$OUT/$NAME.differs")"
  echo "ok: the replay ends where the autopilot's run ended"
}

first_frame() {
  local c
  c=$(column "$2")
  awk -F, -v k="$1" -v c="$c" -v op="$3" -v n="$4" 'NR > 1 && $2 == k {
    v = $c + 0
    if ((op == ">=" && v >= n) || (op == "<=" && v <= n) || (op == "==" && v == n) ||
        (op == "!=" && v != n)) { print $1; exit } }' "$TRACE"
}

# Frame lines are those that start with a number.
keys_of() { awk -v f="$1" '/^[0-9.]+ / && ++n == f { print $2 }' "$SCRIPT"; }
frame_holding() { awk -v k="$1" '/^[0-9.]+ / { ++n; if ($2 == k) { print n; exit } }' "$SCRIPT"; }
