# Keys of your own: a controls file in the player's settings folder moves
# player 1's throttle to 't'; its bad lines are each named on standard error
# with the file and the line, and the game starts all the same.
source "$(dirname "$0")/lib.sh"

export XDG_CONFIG_HOME="$OUT/controls-config"
rm -rf "$XDG_CONFIG_HOME"
mkdir -p "$XDG_CONFIG_HOME/vorlane-kart"
conf="$XDG_CONFIG_HOME/vorlane-kart/controls.conf"
cat >"$conf" <<'CONF'
# player 1 drives with t
player1.throttle = t
player1.jump = j
player2.brake = t
CONF

# View 1 below its sky (drifting clouds would pass for motion), in four tiles.
TILES=("0 300 320 150" "320 300 320 150" "640 300 320 150" "960 300 320 150")
REGIONS=""
for t in "${TILES[@]}"; do REGIONS="$REGIONS --mean $t"; done
look() { peek $REGIONS 2>&1; }

start_game controls_file
watch_countdown controls_file 40
# The camera has settled after GO: view 1 holds still before any key.
wait_for 15 "kart 1's view holding still before any key" holds_still 0.5 "${TILES[@]}"
resting=$STILL
hold w 1.5
after_w=$(look)
unchanged "$resting" "$after_w" "${TILES[@]}" ||
  fail "'w', no longer the throttle, still moved kart 1: $(changes "$resting" "$after_w" "${TILES[@]}")"
echo "ok: 'w' drives nothing"
key_down t
moved() {
  local report
  report=$(look) || { SAW="no look"; return 1; }
  SAW="view 1 changed by $(motion "$resting" "$report" "${TILES[@]}")"
  [ "$(motion "$resting" "$report" "${TILES[@]}")" -gt 15 ]
}
wait_for 10 "'t' driving kart 1 away" moved
key_up t
echo "ok: 't' drives kart 1 ($SAW)"

expected="vorlane-kart: $conf:3: unknown action \"jump\"
vorlane-kart: $conf:4: that key is player1.throttle's too: player2.brake keeps its default"
[ "$(cat "$GAME_ERR")" = "$expected" ] || fail "standard error is not the two lines expected:
$(cat "$GAME_ERR")"
echo "ok: the two bad lines named, with the file and their lines"
stop_game

# No file, no word.
rm "$conf"
start_game controls_file_none
wait_for 30 "no frame drawn" drawn
sleep 1
[ ! -s "$GAME_ERR" ] || fail "the game spoke of a controls file there is not: $(cat "$GAME_ERR")"
echo "controls file ok"
