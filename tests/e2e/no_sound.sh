# No audio device, no sound file, a damaged sound file: the game plays on,
# silent, after one line on standard error saying why.
source "$(dirname "$0")/lib.sh"

# A wave writer with no file to write to: the library opens no device.
printf 'drivers=wave\n[wave]\nfile=\n' >"$OUT/alsoft-none.conf"
ALSOFT_CONF="$OUT/alsoft-none.conf"
start_game no_sound_device
wait_for 30 "no frame drawn" drawn # sound starts before the first frame
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped without an audio device"
cat "$GAME_ERR"
[ "$(wc -l <"$GAME_ERR")" -eq 1 ] || fail "not one line on standard error but $(wc -l <"$GAME_ERR")"
grep -qx 'vorlane-kart: no engine sound: no audio device could be opened' "$GAME_ERR" ||
  fail "no line saying there is no audio device"
stop_game
export ALSOFT_CONF="$OUT/alsoft-null.conf"

data=$(mktemp -d)
trap 'finish; rm -rf "$data"' EXIT
for file in "$(default_data)"/*; do ln -s "$file" "$data/"; done

rm "$data/ray01.wav"
start_game no_sound_file "$data"
wait_for 30 "no frame drawn" drawn # sound starts before the first frame
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped without its sound file"
cat "$GAME_ERR"
[ "$(wc -l <"$GAME_ERR")" -eq 1 ] || fail "not one line on standard error but $(wc -l <"$GAME_ERR")"
grep -qx 'vorlane-kart: no engine sound: cannot read "ray01.wav": file not found' "$GAME_ERR" ||
  fail "no line naming the missing ray01.wav"
stop_game

head -c 4000 /dev/urandom >"$data/ray01.wav"
start_game damaged_sound_file "$data"
wait_for 30 "no frame drawn" drawn # sound starts before the first frame
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped with a damaged sound file"
cat "$GAME_ERR"
[ "$(wc -l <"$GAME_ERR")" -eq 1 ] || fail "not one line on standard error but $(wc -l <"$GAME_ERR")"
grep -q '^vorlane-kart: no engine sound: cannot read "ray01.wav": ' "$GAME_ERR" ||
  fail "no line naming the damaged ray01.wav"
press w
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "no sound ok"
