# Shared by the end-to-end tests: start the real game, find its window, look.
# Needs VK_BUILD (the build folder) and an X display.

set -euo pipefail
: "${VK_BUILD:?}"
export LIBGL_ALWAYS_SOFTWARE=1
TITLE="Vorlane Kart"
SHOT="$VK_BUILD/tools/vk-shot"
OUT="$VK_BUILD/e2e"
mkdir -p "$OUT"
# Test machines have no sound card: the engine tone goes to OpenAL Soft's
# silent output, so the game has a device and nothing to report. Tests of the
# sound itself set their own.
printf 'drivers=null\n' >"$OUT/alsoft-null.conf"
export ALSOFT_CONF="$OUT/alsoft-null.conf"
GAME_PID=""
GAME_ERR=""

fail() {
  echo "FAIL: $*" >&2
  [ -n "$GAME_ERR" ] && [ -s "$GAME_ERR" ] && { echo "--- game stderr:" >&2; cat "$GAME_ERR" >&2; }
  exit 1
}

stop_game() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  GAME_PID=""
}
trap stop_game EXIT

# standin_data FOLDER: fills FOLDER with tiny valid images and models.
standin_data() {
  "$VK_BUILD/tools/vk-standin-data" "$1" || fail "could not write stand-in data into $1"
}

# The build's data folder, or stand-ins while the art generator has not
# filled it.
default_data() {
  if [ -f "$VK_BUILD/data/cloud1.tga" ]; then
    echo "$VK_BUILD/data"
  else
    [ -f "$OUT/standin-data/cloud1.tga" ] || standin_data "$OUT/standin-data"
    echo "$OUT/standin-data"
  fi
}

# start_game NAME [DATA_DIR]: runs the game in DATA_DIR (default: the build's
# data folder, see default_data) and waits for its window.
start_game() {
  local name=$1 data=${2:-$(default_data)}
  GAME_ERR="$OUT/$name.stderr"
  (cd "$data" && exec "$VK_BUILD/vorlane-kart") 2>"$GAME_ERR" &
  GAME_PID=$!
  for _ in $(seq 300); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then fail "the game exited before showing its window"; fi
    if xdotool search --name "^$TITLE\$" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  fail "no window titled \"$TITLE\" after 30 s"
}

# press KEY...: real key presses sent to the game's window.
press() {
  local window
  window=$(xdotool search --name "^$TITLE\$" | head -n 1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in "$@"; do xdotool key --window "$window" "$key"; done
}

# hold KEY SECONDS: keeps a key down for a while.
hold() {
  local window
  window=$(xdotool search --name "^$TITLE\$" | head -n 1)
  xdotool keydown --window "$window" "$1"
  sleep "$2"
  xdotool keyup --window "$window" "$1"
}

# shot NAME [--mean X Y W H]...: screenshot into $OUT/NAME.png, prints vk-shot's report.
shot() {
  local name=$1
  shift
  "$SHOT" --title "$TITLE" --out "$OUT/$name.png" "$@"
}

# mean_of REPORT X Y W H: the "R G B" mean of one region from a shot report.
mean_of() {
  echo "$1" | awk -v r="$2 $3 $4 $5" '$1 == "mean" && ($2" "$3" "$4" "$5) == r { print $6, $7, $8 }'
}
