# Pause, full screen and quit in the real game: 'p' holds the picture and
# the match clock under a dimmed "paused" sign, Esc resumes and both move on;
# Esc pauses too and 'p' resumes; F11 and Alt+Enter fill the screen and give
# the window back; Ctrl+Q ends the game with status 0 and nothing said.
source "$(dirname "$0")/lib.sh"

# Where the views show the karts driving down the lane, and the clock.
VIEWS="--mean 0 0 1280 960 --mean 300 100 680 300 --mean 300 580 680 300"
look() { peek $VIEWS $(clock_regions) 2>&1; }
clock_now() { clock_of "$1" $CLOCK1_TOP; }
brightness() { mean_of "$1" 0 0 1280 960 | awk '{ print $1 + $2 + $3 }'; }

start_game pause_and_window
watch_countdown pause_and_window 40
key_down w

# clock_past VALUE: the match clock reads past VALUE seconds.
clock_past() {
  local report
  report=$(look) || { SAW="no look: $report"; return 1; }
  SAW="clock $(clock_now "$report")"
  is_clock "$(clock_now "$report")" && awk -v c="$(clock_now "$report")" -v v="$1" 'BEGIN { exit !(c > v) }'
}
wait_for 20 "the match clock passing 1 s" clock_past 1
playing=$(look)

# pause_with KEY: pressed while playing, the picture holds, dimmed (the
# dimmed digits are no reading: the clock is read either side of the pause).
pause_with() {
  local before first second
  wait_for 10 "a clock to read before '$1'" clock_past 0
  before=$(look)
  PAUSED_AT=$(clock_now "$before")
  press "$1"
  sleep 0.5 # the last frame before the pause may still be on its way
  first=$(look)
  sleep 2
  second=$(look)
  unchanged "$first" "$second" "0 0 1280 960" "300 100 680 300" "300 580 680 300" ||
    fail "'$1': the picture moved while paused: $(changes "$first" "$second" "0 0 1280 960" "300 100 680 300" "300 580 680 300")"
  awk -v a="$(brightness "$playing")" -v b="$(brightness "$first")" 'BEGIN { exit !(b < 0.8 * a) }' ||
    fail "'$1': the paused picture is not dimmed: brightness $(brightness "$playing") playing, $(brightness "$first") paused"
  shot "pause_and_window_paused_$1" >/dev/null
  echo "ok: '$1' paused at about $PAUSED_AT, the picture held and dimmed for 2.5 s"
}
# resume_with KEY: the clock moves on from where it stood, not 2.5 s on.
resume_with() {
  local resumed
  press "$1"
  wait_for 10 "the clock moving on after '$1'" clock_past "$PAUSED_AT"
  resumed=$(clock_now "$(look)")
  awk -v a="$PAUSED_AT" -v b="$resumed" 'BEGIN { exit !(b - a < 2) }' ||
    fail "'$1': the clock ran on through the pause: $PAUSED_AT before it, $resumed after"
  echo "ok: '$1' resumed at $resumed from $PAUSED_AT"
}

pause_with p
resume_with Escape
pause_with Escape
resume_with p
key_up w

# size_is W H: the game's window has that size.
size_is() {
  local window
  window=$(xdotool search --name "^$TITLE\$" | head -n 1)
  SAW=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
  [ "$SAW" = "$1x$2" ]
}
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
for toggle in F11 alt+Return; do
  press "$toggle"
  wait_for 10 "'$toggle' filling the screen ($screen)" size_is ${screen%x*} ${screen#*x}
  press "$toggle"
  wait_for 10 "'$toggle' giving the window back" size_is 1280 960
  wait_for 10 "a frame drawn after '$toggle'" drawn
  echo "ok: '$toggle' fills the screen and gives the window back"
done

# Now and then the first Ctrl+Q sent after the window has been given back
# never reaches it (the game runs on, its window open, as if no key came),
# so it is sent again every 2 s, up to 5 times. The game may also be gone
# before xdotool sends the key's release, which then fails on the vanished
# window: whether the game ended is what counts.
presses=0
for _ in $(seq 5); do
  press ctrl+q || true
  presses=$((presses + 1))
  for _ in $(seq 20); do kill -0 "$GAME_PID" 2>/dev/null || break 2; sleep 0.1; done
done
if kill -0 "$GAME_PID" 2>/dev/null; then
  open=$(xdotool search --name "^$TITLE\$" | wc -l)
  fail "Ctrl+Q did not end the game: $presses presses in 10 s, its windows still open: $open"
fi
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" -eq 0 ] || fail "Ctrl+Q ended the game with status $status"
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error: $(cat "$GAME_ERR")"
echo "ok: Ctrl+Q ended the game with status 0 after $presses press(es)"
echo "pause and window ok"
