# The engine tone through a real OpenAL Soft device writing a wave file:
# silent with kart 1 at rest, then louder and higher as it speeds up under
# 'w'; after '9' the tone stops being restarted.
source "$(dirname "$0")/lib.sh"

recording="$OUT/engine_sound.wav"
rm -f "$recording"
printf 'drivers=wave\n[wave]\nfile=%s\n' "$recording" >"$OUT/alsoft-wave.conf"
export ALSOFT_CONF="$OUT/alsoft-wave.conf"
TONE="$VK_BUILD/tools/vk-tone"

start_game engine_sound
watch_countdown engine_sound_start 40 # at rest
hold w 4
sleep 1
press 9
sleep 2
stop_game
[ -s "$recording" ] || fail "nothing recorded"
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error"

windows=$("$TONE" "$recording" 0.25) || fail "cannot measure the recording"
echo "$windows"
# The windows by loudness: the loudest stands for full speed, the first
# wholly audible one for the start of the run.
loudest=$(echo "$windows" | sort -k4,4g | tail -n 1)
quiet_start=$(echo "$windows" | awk '$8 > 0.95 { print; exit }')
at_rest=$(echo "$windows" | awk 'NR == 8')
last=$(echo "$windows" | tail -n 1)
echo "at rest:   $at_rest"
echo "starting:  $quiet_start"
echo "loudest:   $loudest"
echo "at the end: $last"
awk -v r="$(echo "$at_rest" | awk '{ print $4 }')" 'BEGIN { exit !(r < 0.001) }' ||
  fail "the tone is heard with kart 1 at rest: $at_rest"
set -- $quiet_start
start_rms=$4 start_pitch=$6
set -- $loudest
top_rms=$4 top_pitch=$6
awk -v a="$start_rms" -v b="$top_rms" 'BEGIN { exit !(b > 3 * a) }' ||
  fail "not louder at speed: $start_rms then $top_rms"
awk -v a="$start_pitch" -v b="$top_pitch" 'BEGIN { exit !(b > 1.1 * a) }' ||
  fail "not higher at speed: $start_pitch then $top_pitch crossings a second"
# '9' pressed while rolling: no new starts, so the last windows are silent.
awk -v r="$(echo "$last" | awk '{ print $4 }')" 'BEGIN { exit !(r < 0.001) }' ||
  fail "still sounding after '9': $last"
echo "engine sound ok"
