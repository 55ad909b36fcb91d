# The menus with the keyboard: a tap of '0' opens the match menu on the match
# chosen last; the arrows and a player's own keys move through it and Enter
# chooses; the settings page turns the sky to dusk; the controls page takes a
# new throttle key, refuses one that is taken, and the new key drives; Esc
# pauses into the pause menu and Enter resumes; Quit ends the game. Then the
# settings are still there at the next start, a damaged settings file is
# named line by line, and a config folder that cannot be written costs one
# line and nothing else.
source "$(dirname "$0")/lib.sh"

settings_file="$XDG_CONFIG_HOME/vorlane-kart/settings.conf"
controls_file="$XDG_CONFIG_HOME/vorlane-kart/controls.conf"
mkdir -p "$XDG_CONFIG_HOME/vorlane-kart"
printf '# my keys\nplayer2.fire = y   # throws\n' >"$controls_file"

# View 1 below its sky.
TILES=("0 300 320 150" "320 300 320 150" "640 300 320 150" "960 300 320 150")
REGIONS="$(clock_regions)"
for r in "${TILES[@]}"; do REGIONS="$REGIONS --mean $r"; done
look() { peek $REGIONS 2>&1; }
tag_clocks() {
  local report
  report=$(look) || { SAW="no look"; return 1; }
  SAW="clocks $(clock_of "$report" $CLOCK1_TOP) and $(clock_of "$report" $CLOCK2_TOP)"
  is_clock "$(clock_of "$report" $CLOCK1_TOP)" && is_clock "$(clock_of "$report" $CLOCK2_TOP)"
}
setting_is() { SAW="$1 = $(setting "$1")"; [ "$(setting "$1")" = "$2" ]; }
# taps KEY...: one at a time, as a player taps them: a release and the next
# press of one key at the same instant read as the key's own repeat.
taps() { local k; for k in "$@"; do press "$k"; sleep 0.15; done; }
no_menu() { menu_is 0 -1; }
setting() { grep -E "^$1 = " "$settings_file" 2>/dev/null | tail -n 1 | sed 's/ *#.*//; s/.* = //'; }

start_game menus
watch_countdown menus 40
press 0
wait_menu 10 8 0 "a tap of '0': the match menu on Race"
shot menus_match >/dev/null
press Down
wait_menu 5 8 1 "Down: Tag"
press Return
wait_for 20 "Enter on Tag: a tag clock in each view" tag_clocks
wait_for 5 "the menu gone once tag starts" no_menu
[ "$(setting last_match)" = tag ] || fail "the settings file does not say tag was chosen: $(cat "$settings_file" 2>&1)"
echo "ok: '0', Down and Enter started tag ($SAW)"
watch_countdown menus_tag 30 $REGIONS

press 0
wait_menu 10 8 1 "'0' after tag: the menu on Tag"
taps s s s s s # player 1's brake key moves down
wait_menu 5 8 6 "player 1's brake key five times: Settings"
press Return
wait_menu 5 7 0 "the settings page"
shot menus_settings >/dev/null
taps Down Down Down Down Return
wait_for 5 "Sky chosen: dusk in the settings file" setting_is sky dusk
[ "$(setting sky)" = dusk ] || fail "the settings file does not hold the dusk sky: $(cat "$settings_file" 2>&1)"
echo "ok: the settings page turned the sky to dusk and saved it"

# A new throttle key for player 1: 'i' is player 2's and refused, 'g' is free.
taps Down Return
wait_menu 5 3 0 "the controls page"
press Return
wait_menu 5 14 0 "player 1's controls, on Throttle"
press Return
note_lit() {
  local report
  report=$(peek --lit 300 880 680 40 2>&1) || { SAW="no look"; return 1; }
  SAW="note lit $(echo "$report" | awk '$1 == "lit" { print $6 }')"
  echo "$report" | awk '$1 == "lit" { exit !($6 > 0.01) }'
}
wait_for 5 "a note asking for the new key" note_lit
press i
sleep 0.5
grep -q 'player1.throttle' "$controls_file" && fail "'i', player 2's throttle, was taken for player 1's: $(cat "$controls_file")"
press g
wait_for 5 "'g' written as player 1's throttle" grep -q '^player1.throttle = g$' "$controls_file"
head -n 2 "$controls_file" | cmp -s - <(printf '# my keys\nplayer2.fire = y   # throws\n') ||
  fail "the controls file lost its own lines: $(cat "$controls_file")"
shot menus_controls >/dev/null
echo "ok: 'i' refused, 'g' bound and written, the file's own lines kept"

# Back to the top, up to Race with the arrows, and 'g' drives.
taps Escape Escape Escape
wait_menu 5 8 6 "Esc three times: the match menu again"
taps Up Up Up Up Up Up Return
watch_countdown menus_race 30 $REGIONS
wait_for 15 "kart 1's view holding still before any key" holds_still 0.5 "${TILES[@]}"
resting=$STILL
key_down g
moved() {
  local report
  report=$(look) || { SAW="no look"; return 1; }
  SAW="view 1 changed by $(motion "$resting" "$report" "${TILES[@]}")"
  [ "$(motion "$resting" "$report" "${TILES[@]}")" -gt 15 ]
}
wait_for 10 "'g' driving kart 1" moved
key_up g
echo "ok: the race chosen from the menu, and 'g' drives kart 1 ($SAW)"

# The pause menu opens on Resume; Enter resumes.
press Escape
wait_menu 5 4 0 "Esc: the pause menu on Resume"
shot menus_paused >/dev/null
press Return
wait_for 5 "Enter on Resume: the menu gone" no_menu
# Quit from the pause menu ends the game.
press Escape
wait_menu 5 4 0 "Esc again: the pause menu"
taps Down Down Down
wait_menu 5 4 3 "Down three times: Quit"
press Return
for _ in $(seq 100); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "Quit chosen: the game still runs after 10 s"
wait "$GAME_PID" && status=0 || status=$?
GAME_PID=""
[ "$status" = 0 ] || fail "Quit: the game ended with status $status"
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error: $(cat "$GAME_ERR")"
echo "ok: Quit ended the game"

# The next start opens the menu on the race, the match chosen last, and
# keeps the dusk sky in its file.
start_game menus_again
watch_countdown menus_again 40
press 0
wait_menu 10 8 0 "'0' after the restart: the menu on Race, the match last chosen"
stop_game
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error: $(cat "$GAME_ERR")"
[ "$(setting sky)" = dusk ] || fail "the dusk sky did not last: $(cat "$settings_file")"
echo "ok: the settings lasted"

# A damaged file: each bad line named, and the game starts.
printf 'sky = purple\nvolume = loud\n\001\002\377\n' >"$settings_file"
start_game menus_damaged
watch_countdown menus_damaged 40
for line in 1 2 3; do
  grep -q "settings.conf:$line:" "$GAME_ERR" || fail "line $line of the damaged file not named: $(cat "$GAME_ERR")"
done
[ "$(wc -l <"$GAME_ERR")" = 3 ] || fail "not one line for each bad line: $(cat "$GAME_ERR")"
stop_game
echo "ok: the damaged file's three bad lines named, the game started"

# A config folder that cannot be written (its parent is a file): one line.
export XDG_CONFIG_HOME="$OUT/menus-config-is-a-file"
rm -rf "$XDG_CONFIG_HOME"
echo "not a folder" >"$XDG_CONFIG_HOME"
start_game menus_unwritable
watch_countdown menus_unwritable 40
press 3
sleep 0.5
taps 1 2
sleep 0.5
wait_for 5 "a frame drawn after the failed saves" drawn
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended when it could not save"
[ "$(wc -l <"$GAME_ERR")" = 1 ] && grep -q "cannot save settings" "$GAME_ERR" ||
  fail "not one line about the settings that cannot be saved: $(cat "$GAME_ERR")"
echo "ok: an unwritable config folder cost one line: $(cat "$GAME_ERR")"
echo "menus ok"
