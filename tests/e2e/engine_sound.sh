# The engine tone through a real OpenAL Soft device writing a wave file,
# read back while it grows, in three drives down the start lane:
# A. the first race: silent with kart 1 at rest; under 'w' a hum whose
#    fundamental rises from about 50 Hz at a crawl to about 70 Hz at top
#    speed (that the loop joins without a seam is judged on a steady tone,
#    in the unit tests);
# B. a race chosen with '0' and '5' hums again, from low; '9' silences it
#    at once;
# C. switched off, the next race stays silent under 'w' until '9' brings the
#    hum back at once; '0' silences it at once for the wait for the choice.
# Keys go in before the kart meets the wall at the lane's end, which throws
# it back and, at uneven frame times, stops it dead.
source "$(dirname "$0")/lib.sh"

recording="$OUT/engine_sound.wav"
rm -f "$recording"
printf 'drivers=wave\n[wave]\nfile=%s\n' "$recording" >"$OUT/alsoft-wave.conf"
export ALSOFT_CONF="$OUT/alsoft-wave.conf"
TONE="$VK_BUILD/tools/vk-tone"
WINDOW=0.1
# From a key press to the change in the recording: a frame or two of the
# game, an update of the mixer and the file's write-behind. Measured on a
# quiet machine: 0.02 to 0.11 s; with the software renderer on a busy one a
# frame alone can take a quarter of a second.
AT_ONCE=0.8
SILENT=0.001 # RMS
TOP=69       # Hz: 69.9 at the kart's top speed down the lane, 70 at 24

# The seconds recorded so far, and the windows from FROM on (see vk-tone).
# The awk programs below read them to the end: one that stopped early would
# end the pipe's writer, and with it the test.
recorded() { "$TONE" "$recording" 2>/dev/null || echo 0; }
windows() {
  local out rc=0
  out=$("$TONE" "$recording" "$WINDOW" "$1") || rc=$?
  [ "$rc" -eq 0 ] || fail "cannot measure the recording from $1 s: vk-tone ended with $rc"
  echo "$out"
}
# The fields of a window line: start, rms, fundamental, clarity, seam.
brief() { awk '{ print $2, $4, $10, $12, $14 }'; }
within() { awk -v v="$1" -v a="$2" -v b="$3" 'BEGIN { exit !(v >= a && v <= b) }'; }
keep_shot() { shot engine_sound_failed >/dev/null || true; }

# wait_recorded SECONDS: until the recording is that long.
wait_recorded() {
  local deadline
  deadline=$(plus "$(now)" 30)
  until within "$(recorded)" "$1" 1e9; do
    later "$(now)" "$deadline" && fail "the recording stopped at $(recorded) s, short of $1 s"
    sleep 0.05
  done
}

# key KEY [SECONDS]: presses KEY, or holds it down for SECONDS (the match keys
# count while down in a frame); prints where the recording stood just before.
key() {
  local window at
  window=$(xdotool search --name "^$TITLE\$" | head -n 1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  at=$(recorded)
  if [ $# -gt 1 ]; then
    xdotool keydown --window "$window" "$1"
    sleep "$2"
    xdotool keyup --window "$window" "$1"
  else
    xdotool key --window "$window" "$1"
  fi
  echo "$at"
}

# drive NAME: a race's countdown at rest, then 'w' held; sets DRIVE_START.
# Where the recording stands is read before each key: the mixer may lag the
# clock and catch up, and what it mixes after the key shows the key's effect.
drive() {
  watch_countdown "$1" 40
  DRIVE_START=$(recorded)
  key_down w
}

# loud_in WHAT FROM TO / silent_in WHAT FROM TO: every window within sounds,
# or none does.
loud_in() {
  local quiet
  quiet=$(windows "$2" | awk -v to="$3" -v s="$SILENT" '!d && $2 + 0.1 <= to + 0.001 && $4 <= s { print; d = 1 }')
  [ -z "$quiet" ] || { keep_shot; fail "$1: silent at $(echo "$quiet" | brief)"; }
}
silent_in() {
  local loud
  loud=$(windows "$2" | awk -v to="$3" -v s="$SILENT" '!d && $2 + 0.1 <= to + 0.001 && $4 > s { print; d = 1 }')
  [ -z "$loud" ] || { keep_shot; fail "$1: sounding at $(echo "$loud" | brief)"; }
}
# stops_at WHAT AT / starts_at WHAT AT: when after AT the sound stops or
# starts, from the audible share of the window where it does.
stops_at() {
  windows "$2" | awk -v t="$2" -v w="$WINDOW" -v what="$1" \
    '!d && $8 < 1 { printf "%s: silent from %.2f s after the key\n", what, $2 + $8 * w - t; d = 1 }'
}
starts_at() {
  windows "$2" | awk -v t="$2" -v w="$WINDOW" -v what="$1" \
    '!d && $8 > 0 { printf "%s: sounding from %.2f s after the key\n", what, $2 + (1 - $8) * w - t; d = 1 }'
}
# first_audible FROM: the first window from FROM that sounds all through,
# briefly: the pitch of one that starts in silence is no reading.
first_audible() { windows "$1" | awk -v s="$SILENT" '!d && $4 > s && $8 >= 1 && $10 > 0 { print; d = 1 }' | brief; }

# --- A. The first race, which the game starts with.
start_game engine_sound
drive engine_sound
silent_in "the tone with kart 1 at rest" 0 "$DRIVE_START"
echo "at rest: silent for $DRIVE_START s"
deadline=$(plus "$(now)" 40)
until [ -n "$(windows "$DRIVE_START" | awk -v top="$TOP" '!d && $10 >= top { print; d = 1 }')" ]; do
  later "$(now)" "$deadline" && { windows "$DRIVE_START" | brief; keep_shot; fail "no tone of top speed within 40 s of 'w'"; }
  sleep 0.2
done
wait_recorded "$(plus "$(recorded)" 0.3)"
key_up w
drive=$(windows "$DRIVE_START")
echo "drive A (start, rms, Hz, clarity, seam):"
echo "$drive" | brief
# The rise: from the first wholly audible window to the first at top speed,
# the fundamental never falls by more than a long frame on a busy machine
# knocks off the kart's speed (2 Hz is 2.4 of its 24).
rise=$(echo "$drive" | awk -v s="$SILENT" -v top="$TOP" '!d && $4 > s && $8 >= 1 && $10 > 0 { print $2, $4, $10 } $10 >= top { d = 1 }')
crawl=$(echo "$rise" | head -n 1)
highest=$(echo "$drive" | awk '$8 >= 1 && $12 >= 0.9' | sort -k10,10g | tail -n 1 | brief)
echo "a crawl (the first wholly audible window): $crawl"
echo "top speed (the highest wholly audible window): $highest"
echo "$rise" | awk '$3 < high - 2 { bad = 1 } $3 > high { high = $3 } END { exit bad }' ||
  fail "the fundamental falls on the way up:$(echo "$rise" | awk '{ printf " %s", $3 }')"
set -- $crawl
crawl_rms=$2 crawl_hz=$3
set -- $highest
top_rms=$2 top_hz=$3
within "$crawl_hz" 49 55 || fail "at a crawl the engine beats at $crawl_hz Hz, not about 50"
within "$top_hz" 69 73 || fail "at top speed the engine beats at $top_hz Hz, not about 70"
awk -v a="$crawl_rms" -v b="$top_rms" 'BEGIN { exit !(b > 3 * a) }' ||
  fail "not louder at speed: $crawl_rms then $top_rms"
key 0 0.5 >/dev/null
key 5 0.5 >/dev/null

# --- B. The chosen race hums from low again; '9' silences it.
drive engine_sound_b
wait_recorded "$(plus "$DRIVE_START" 1.2)"
off=$(key 9)
wait_recorded "$(plus "$off" 1.2)"
key_up w
first=$(first_audible "$DRIVE_START")
echo "drive B, the first wholly audible window: $first"
within "$(echo "$first" | awk '{ print $3 }')" 49 56 || fail "the chosen race's engine does not start low: $first"
loud_in "drive B before '9'" "$(plus "$off" -0.6)" "$off"
silent_in "drive B after '9'" "$(plus "$off" $AT_ONCE)" "$(plus "$off" 1.2)"
stops_at "'9' off" "$off"
key 0 0.5 >/dev/null
key 5 0.5 >/dev/null

# --- C. Still off in the next race, until '9'; then '0'.
drive engine_sound_c
wait_recorded "$(plus "$DRIVE_START" 1)"
on=$(key 9)
wait_recorded "$(plus "$on" 0.9)"
choice=$(key 0 0.5)
wait_recorded "$(plus "$choice" 1.5)"
key_up w
silent_in "drive C, switched off" "$DRIVE_START" "$on"
loud_in "drive C after '9'" "$(plus "$on" $AT_ONCE)" "$choice"
back=$(first_audible "$on")
echo "drive C, back after '9': $back"
within "$(echo "$back" | awk '{ print $3 }')" 50 73 || fail "back after '9' at a pitch no kart has: $back"
starts_at "'9' on" "$on"
silent_in "the wait for the match choice" "$(plus "$choice" $AT_ONCE)" "$(plus "$choice" 1.5)"
stops_at "'0'" "$choice"

stop_game
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error"
echo "engine sound ok"
