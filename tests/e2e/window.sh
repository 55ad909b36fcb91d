# The real game opens one 1280 x 960 window titled "Vorlane Kart" and keeps
# drawing frames.
source "$(dirname "$0")/lib.sh"

start_game window
wait_for 30 "no frame drawn" drawn
report=$(shot window) || fail "could not take a screenshot"
echo "$report"
set -- $(echo "$report" | awk '$1 == "window" { print $3, $4 }')
[ "${1:-}" = 1280 ] && [ "${2:-}" = 960 ] || fail "window is ${1:-?} x ${2:-?}, not 1280 x 960"
[ "$(xdotool search --name "^$TITLE\$" | wc -l)" -eq 1 ] || fail "more than one game window"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped after its first second"
# Every image, model and sound loaded: nothing to report.
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error"
echo "window ok"
