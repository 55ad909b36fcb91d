# Shared by the end-to-end tests: start the real game, find its window, look.
# Needs VK_BUILD (the build folder) and an X display.

set -euo pipefail
: "${VK_BUILD:?}"
export LIBGL_ALWAYS_SOFTWARE=1
TITLE="Vorlane Kart"
# The program start_game runs: the build's, unless a test installed one.
GAME="$VK_BUILD/vorlane-kart"
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
TEST_NAME=$(basename "$0" .sh)
# The game writes its settings when they change: each test starts from none
# of its own and never from the machine's (a test may set its own after this).
export XDG_CONFIG_HOME="$OUT/$TEST_NAME.config"
rm -rf "$XDG_CONFIG_HOME"
# Every look at the window keeps its pixels here until the next one, so that
# a failure can keep the very picture it was judged on.
LAST_LOOK="$OUT/$TEST_NAME.last-look.ppm"
rm -f "$LAST_LOOK"
# The seed the game's rand() gets in every test: the same palms and courses
# (the guide arrows' targets) every run, and puffs from the same numbers.
TEST_SEED=1

# keep NAME: the last look as $OUT/NAME.png.
keep() {
  if [ -s "$LAST_LOOK" ]; then
    "$SHOT" --from "$LAST_LOOK" --out "$OUT/$1.png" >/dev/null || echo "could not keep the last look as $OUT/$1.png" >&2
  fi
}

# fail MESSAGE: the message (say what was seen in it), the game's standard
# error and the last look, kept as $OUT/$TEST_NAME-failed.png.
fail() {
  echo "FAIL: $*" >&2
  if [ -s "$LAST_LOOK" ]; then
    keep "$TEST_NAME-failed"
    echo "last look: $OUT/$TEST_NAME-failed.png" >&2
  fi
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

# Keys pressed with key_down stay down on the X server until released, and
# would go on repeating into the next test's game: a failing test lets go too.
HELD_KEYS=""
release_keys() {
  local key
  for key in $HELD_KEYS; do xdotool keyup "$key" 2>/dev/null || true; done
  HELD_KEYS=""
}
# finish: on the way out, keys up, the game stopped, and the last look
# dropped unless the test failed. Tests with a trap of their own call it.
finish() {
  local status=$?
  release_keys
  stop_game
  [ "$status" -ne 0 ] || rm -f "$LAST_LOOK"
}
trap finish EXIT

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
# data folder, see default_data) and waits for its window. The game's rand()
# is seeded with VORLANE_KART_SEED, TEST_SEED unless the test sets it.
start_game() {
  local name=$1 data=${2:-$(default_data)}
  GAME_ERR="$OUT/$name.stderr"
  (cd "$data" && exec env VORLANE_KART_SEED="${VORLANE_KART_SEED-$TEST_SEED}" \
    ${VK_GAME_PRELOAD:+LD_PRELOAD="$VK_GAME_PRELOAD"} "$GAME") 2>"$GAME_ERR" &
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
  "$SHOT" --title "$TITLE" --out "$OUT/$name.png" --raw "$LAST_LOOK" "$@"
}

# mean_of REPORT X Y W H: the "R G B" mean of one region from a shot report.
mean_of() {
  echo "$1" | awk -v r="$2 $3 $4 $5" '$1 == "mean" && ($2" "$3" "$4" "$5) == r { print $6, $7, $8 }'
}

# peek [--mean X Y W H]...: like shot, but keeps the picture only as the
# last look, so it is quick enough to poll with.
peek() {
  "$SHOT" --title "$TITLE" --raw "$LAST_LOOK" "$@"
}

# wait_for SECONDS WHAT CHECK [ARG...]: runs CHECK ARG... until it succeeds,
# for at most SECONDS. CHECK takes its own look and puts what it saw into
# SAW; on timeout the test fails with WHAT and the last SAW, keeping the last
# look. Polling, never a fixed sleep: a loaded machine only takes longer.
SAW=""
wait_for() {
  local seconds=$1 what=$2 deadline
  shift 2
  deadline=$(plus "$(now)" "$seconds")
  SAW=""
  until "$@"; do
    if later "$(now)" "$deadline"; then fail "$what: not within $seconds s; last seen: ${SAW:-nothing}"; fi
    sleep 0.1
  done
}

# drawn: the window shows a frame, not the bare clear colour.
drawn() {
  local report
  report=$(peek --mean 0 0 1280 960 2>&1) || { SAW="no window: $report"; return 1; }
  SAW="mean colour $(mean_of "$report" 0 0 1280 960)"
  awk -v c="$(mean_of "$report" 0 0 1280 960)" 'BEGIN { split(c, x, " "); exit !(x[1] + x[2] + x[3] >= 10) }'
}

# The HUD clocks: four digit cells, hundreds to tenths, at the top left of
# view 1 (the match clock, or kart 1's tag clock) and of view 2 (kart 2's tag
# clock). vk-shot reads them by their light fill alone: the HUD is drawn over
# the scene, so nothing covers the digits, and the start line's bricks behind
# them never pass for fill (a white cloud would: read them over bricks).
CLOCK1_TOP=10
CLOCK2_TOP=500
# clock_regions: vk-shot options that read both clocks.
clock_regions() {
  echo "--font $(default_data)/msgnumbers.tga --digits 111 $CLOCK1_TOP 37 44 4 --digits 111 $CLOCK2_TOP 37 44 4"
}
# clock_of REPORT TOP: the clock read as "DDD.D"; a cell without digit
# shows '-', one that is no digit '?'.
clock_of() {
  echo "$1" | awk -v top="$2" '$1 == "digits" && $2 == 111 && $3 == top {
    print substr($7, 1, 3) "." substr($7, 4, 1) }'
}
# is_clock TEXT: TEXT is a whole reading, every digit read.
is_clock() { [[ "$1" =~ ^[0-9]{3}\.[0-9]$ ]]; }

# key_down KEY / key_up KEY: a key held across other work (polling, shots).
key_down() {
  xdotool keydown --window "$(xdotool search --name "^$TITLE\$" | head -n 1)" "$1"
  HELD_KEYS="$HELD_KEYS $1"
}
key_up() {
  xdotool keyup --window "$(xdotool search --name "^$TITLE\$" | head -n 1)" "$1"
  HELD_KEYS=$(echo "$HELD_KEYS" | tr ' ' '\n' | grep -vxF -- "$1" | tr '\n' ' ' || true)
}

# now: wall-clock seconds, for deadlines and for timing what the game shows;
# plus T S: T + S; later A B: A is not before B (give or take the game clock's milliseconds).
now() {
  date +%s.%N
}
plus() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a + b }'
}
later() {
  awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b - 0.02) }'
}

# sky_in KIND REPORT PATCH...: every patch shows the day's blue or the dusk's
# red to purple, or a cloud drifting through either, and not every one is cloud.
sky_in() {
  local kind=$1 report=$2 patch
  shift 2
  for patch in "$@"; do mean_of "$report" $patch; done | awk -v kind="$kind" '
    { cloud = $1 > 200 && $2 > 200 && $3 > 200; n++ }
    !cloud { clear++ }
    kind == "day" && (cloud || $3 > $1 + 40) { ok++ }
    kind == "dusk" && (cloud || ($1 > 150 && $1 > $3 - 60)) { ok++ }
    END { exit !(n == '"$#"' && ok == n && clear > 0) }'
}

# The centred message image over the start line: READY reaches further left
# than SET and GO; GO is green, READY and SET are yellow and orange.
MSG_LEFT="520 450 30 60"
MSG_MIDDLE="580 455 120 50"
MSG_REGIONS="--mean $MSG_LEFT --mean $MSG_MIDDLE --mean 0 0 1280 960"

# countdown_state REPORT: ready, set, go or none for a report taken with
# $MSG_REGIONS while the karts stand at the start line; blank before the
# first frame, other for anything else.
countdown_state() {
  echo "$1" | awk -v left="$MSG_LEFT" -v middle="$MSG_MIDDLE" '
    $1 == "mean" { key = $2 " " $3 " " $4 " " $5 }
    $1 == "mean" && key == left { lg = $7 }
    $1 == "mean" && key == middle { mr = $6; mg = $7 }
    $1 == "mean" && key == "0 0 1280 960" { whole = $6 + $7 + $8 }
    END {
      if (whole < 10) print "blank"
      else if (lg > 80) print "ready"
      else if (mg > mr + 15 && mg > 100) print "go"
      else if (mr > 120 && mg < mr - 20) print "set"
      else if (mr < 100 && mg < 100 && lg < 80) print "none"
      else print "other"
    }'
}

# changes REPORT_A REPORT_B "X Y W H"...: for each region, the summed channel
# difference between the two reports, as integers on one line (-1 for a
# region missing from either report).
changes() {
  local regions
  regions=$(IFS='|' && echo "${*:3}")
  awk -v regions="$regions" '
    $1 == "mean" { key = $2 " " $3 " " $4 " " $5; if (NR == FNR) a[key] = $6 " " $7 " " $8; else b[key] = $6 " " $7 " " $8 }
    END {
      n = split(regions, list, "|")
      for (i = 1; i <= n; i++) {
        if (!(list[i] in a) || !(list[i] in b)) { out = out (i > 1 ? " " : "") "-1"; continue }
        split(a[list[i]], x, " "); split(b[list[i]], y, " "); s = 0
        for (j = 1; j <= 3; j++) { d = x[j] - y[j]; s += d < 0 ? -d : d }
        out = out (i > 1 ? " " : "") int(s + 0.5)
      }
      print out
    }' <(echo "$1") <(echo "$2")
}

# differ REPORT_A REPORT_B X Y W H: the same for one region.
differ() {
  local d
  d=$(changes "$1" "$2" "$3 $4 $5 $6")
  [ "$d" -ge 0 ] || { echo "differ: region $3 $4 $5 $6 not in both reports" >&2; return 1; }
  echo "$d"
}

# unchanged REPORT_A REPORT_B "X Y W H"...: no region changed by more than
# rounding and blending noise.
unchanged() {
  changes "$@" | awk '{ for (i = 1; i <= NF; i++) if ($i < 0 || $i > 3) exit 1 }'
}

# motion A B "X Y W H"...: the regions' summed change from report A to B.
motion() {
  local a=$1 b=$2
  shift 2
  changes "$a" "$b" "$@" | awk '{ s = 0; for (i = 1; i <= NF; i++) s += $i; print s }'
}

# holds_still SECONDS "X Y W H"...: two of the test's own looks (its look
# function) SECONDS apart show the regions unchanged; STILL is the second.
holds_still() {
  local pause=$1 a
  shift
  a=$(look) || { SAW="no look: $a"; return 1; }
  sleep "$pause"
  STILL=$(look) || { SAW="no look: $STILL"; return 1; }
  SAW="changed by $(changes "$a" "$STILL" "$@") in $pause s"
  unchanged "$a" "$STILL" "$@"
}

# watch_countdown NAME SECONDS [--mean X Y W H]...: polls the start line until
# the plain picture has followed a countdown image in two shots in a row, for
# at most SECONDS. Sets STATES (the states in the order first seen), SEEN[state]
# (the wall-clock time after the first shot that showed it), SETTLED (a look
# at the first shot of SET and of GO: by then a camera gliding back to the
# start line has arrived) and PLAIN (a look at the plain picture); these
# looks carry the regions given. Between them only the message is looked at,
# to see GO's one second on a slow machine too.
declare -A SEEN
watch_countdown() {
  local name=$1 deadline report state last="" plain=0 t
  deadline=$(plus "$(now)" "$2")
  shift 2
  STATES="" SETTLED=() PLAIN=""
  SEEN=()
  while :; do
    # Right after start_game the window may not be mapped yet: nothing to read.
    if report=$(peek $MSG_REGIONS 2>/dev/null); then
      t=$(now)
      state=$(countdown_state "$report")
    else
      t=$(now)
      state=blank
      sleep 0.2
    fi
    if [ "$state" = other ]; then
      echo "$name: neither a countdown image nor the plain picture:" $(mean_of "$report" $MSG_LEFT) "/" $(mean_of "$report" $MSG_MIDDLE)
    elif [ "$state" = none ] && [ -z "${SEEN[ready]:-}${SEEN[set]:-}${SEEN[go]:-}" ]; then
      : # a frame drawn before READY's first: the countdown has not begun
    elif [ "$state" != "$last" ] && [ "$state" != blank ]; then
      STATES="$STATES $state"
      [ -n "${SEEN[$state]:-}" ] || SEEN[$state]=$t
      last=$state
      case $state in
      set | go) SETTLED+=("$(peek $MSG_REGIONS "$@")") || fail "$name: no screenshot" ;;
      esac
    fi
    if [ "$state" = none ] && [ -n "${SEEN[ready]:-}${SEEN[set]:-}${SEEN[go]:-}" ]; then
      plain=$((plain + 1))
      [ $plain -lt 2 ] || break
    else
      plain=0
    fi
    later "$deadline" "$t" || fail "$name: no countdown image and then the plain picture within the time (seen:$STATES; last: $state, message $(mean_of "${report:-}" $MSG_LEFT) / $(mean_of "${report:-}" $MSG_MIDDLE))"
  done
  [ ${#SETTLED[@]} -gt 0 ] || fail "$name: neither SET nor GO seen (seen:$STATES)"
  PLAIN=$(peek $MSG_REGIONS "$@") || fail "$name: no screenshot"
  echo "$name: seen$STATES"
}

# The menus as the game lays them out: pages of up to nine rows at 62 px
# from y 230, longer ones at 46 px from 200; the chosen row behind a yellow
# bar that starts left of the labels at x 310.
MENU_REGIONS=""
for i in 0 1 2 3 4 5 6 7 8; do
  MENU_REGIONS="$MENU_REGIONS --mean 312 $((234 + 62 * i)) 20 20 --lit 340 $((234 + 62 * i)) 400 36"
done
for i in 0 1 2 3 4 5 6 7 8 9 10 11 12 13; do
  MENU_REGIONS="$MENU_REGIONS --mean 312 $((202 + 46 * i)) 20 20 --lit 340 $((202 + 46 * i)) 400 28"
done
# menu_state REPORT: "ROWS CURSOR" of the menu in a report taken with
# $MENU_REGIONS ("0 -1" when no menu shows): the rows that carry a label,
# and the one behind the bar (-1 for none).
menu_state() {
  echo "$1" | awk '
    $1 == "mean" && $2 == 312 { y = $3; bar[y] = ($6 - $8 > 40 && $6 > 60) }
    $1 == "lit" && $2 == 340 { lit[$3] = ($6 > 0.02) }
    END {
      long = 1
      for (i = 0; i < 14; i++) if (!lit[202 + 46 * i]) long = 0
      rows = 0; cursor = -1
      if (long) {
        rows = 14
        for (i = 0; i < 14; i++) if (bar[202 + 46 * i]) cursor = i
      } else {
        for (i = 0; i < 9 && lit[234 + 62 * i]; i++) rows++
        for (i = 0; i < rows; i++) if (bar[234 + 62 * i]) cursor = i
      }
      print rows, cursor
    }'
}
# wait_menu SECONDS ROWS CURSOR WHAT: polls until the menu shows ROWS rows
# with the bar on CURSOR.
menu_is() {
  local report
  report=$(peek $MENU_REGIONS 2>&1) || { SAW="no look: $report"; return 1; }
  SAW="menu rows and cursor: $(menu_state "$report")"
  [ "$(menu_state "$report")" = "$1 $2" ]
}
wait_menu() {
  wait_for "$1" "$4 (a menu of $2 rows on row $3)" menu_is "$2" "$3"
}

# Virtual gamepads in the real game: tools/vk-virtual-pad.so, preloaded,
# plugs in pads when the game starts SDL and moves them by the lines
# appended to a file, once a drawn frame; the game writes back how many
# lines it has taken. Lines: "N BUTTON down|up" (a b x y back guide start
# leftstick rightstick leftshoulder rightshoulder dpup dpdown dpleft
# dpright), "N AXIS VALUE" (leftx lefty rightx righty: -32768 to 32767;
# lefttrigger righttrigger: 0 at rest to 32767), "N unplug", "N plug"; N is
# the pad from 1. Each button and axis changes at most once a frame, so the
# game sees every change.
PAD_FILE=""
PAD_LIB="$VK_BUILD/tools/vk-virtual-pad.so"
# How long the game may take to have a line, on a loaded machine.
PAD_SECONDS=20

# pad_start [COUNT]: before each start_game, the game gets COUNT pads (1 to
# 4, default 1), plugged in from the start, and a fresh command file.
pad_start() {
  local count=${1:-1}
  [[ "$count" =~ ^[1-4]$ ]] || fail "pad_start: $count pads, where 1 to 4 can be"
  [ -f "$PAD_LIB" ] || fail "pad_start: no $PAD_LIB (the build's vk-virtual-pad target)"
  PAD_FILE="$OUT/$TEST_NAME.pads"
  rm -f "$PAD_FILE.ack" "$PAD_FILE.ack.tmp"
  : >"$PAD_FILE"
  export VK_VIRTUAL_PAD_FILE="$PAD_FILE" VK_VIRTUAL_PADS="$count"
  # A pad of the machine's own would take a seat before the virtual ones.
  export SDL_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT=0x1209/0x5650
  case " ${VK_GAME_PRELOAD:-} " in
  *" $PAD_LIB "*) ;;
  *) VK_GAME_PRELOAD="${VK_GAME_PRELOAD:+$VK_GAME_PRELOAD }$PAD_LIB" ;;
  esac
}

# pad_send LINE...: appends the lines and waits until the game has taken
# them all; fails if the game skipped one as bad, exited, or took too long.
pad_send() {
  [ -n "$PAD_FILE" ] || fail "pad_send before pad_start"
  printf '%s\n' "$@" >>"$PAD_FILE"
  local want taken deadline
  want=$(wc -l <"$PAD_FILE")
  deadline=$(plus "$(now)" "$PAD_SECONDS")
  while :; do
    taken=$(cat "$PAD_FILE.ack" 2>/dev/null || true)
    if [ -n "$taken" ] && [ "$taken" -ge "$want" ]; then break; fi
    kill -0 "$GAME_PID" 2>/dev/null || fail "pad_send $*: the game exited"
    later "$(now)" "$deadline" &&
      fail "pad_send $*: the game took ${taken:-none} of the pad file's $want lines in $PAD_SECONDS s"
    sleep 0.02
  done
  if grep -q '^vk-virtual-pad: ' "$GAME_ERR" 2>/dev/null; then
    fail "pad_send $*: the pad library complained: $(grep '^vk-virtual-pad: ' "$GAME_ERR" | head -n 3)"
  fi
}

# pad_press N BUTTON: down and up, each taken by the game, on different frames.
pad_press() {
  pad_send "$1 $2 down"
  pad_send "$1 $2 up"
}

# pad_hold N BUTTON SECONDS: down for at least SECONDS.
pad_hold() {
  pad_send "$1 $2 down"
  sleep "$3"
  pad_send "$1 $2 up"
}

# pad_axis N AXIS VALUE: moves a stick or trigger and stays there.
pad_axis() {
  pad_send "$1 $2 $3"
}
