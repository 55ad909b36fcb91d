# The real game under the sanitizers: it starts, counts down, drives and
# throws, and ends on a polite kill with status 0 and nothing on standard
# error: no memory fault, no undefined behaviour, no leak.
source "$(dirname "$0")/../e2e/lib.sh"

start_game sanitized_start
sleep 8
hold w 1
press r y c n 1 2 3
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
kill "$GAME_PID"
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
[ ! -s "$GAME_ERR" ] || fail "the sanitizers reported: $(head -c 4000 "$GAME_ERR")"
echo "sanitized game start ok"
