# Without its data files the game says where it looked, names the first
# missing image and stops with status 1 instead of running without pictures.
# The program runs from a folder of its own: beside the build's it would find
# the build's data.
source "$(dirname "$0")/lib.sh"

empty=$(mktemp -d)
alone=$(mktemp -d)
trap 'finish; rm -rf "$empty" "$alone"' EXIT
cp "$VK_BUILD/vorlane-kart" "$alone/"
GAME_ERR="$OUT/missing_data.stderr"
status=0
(cd "$empty" && exec timeout 30 "$alone/vorlane-kart") 2>"$GAME_ERR" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1"
head -n 1 "$GAME_ERR" | grep -q "^vorlane-kart: the game's files (cloud1.tga) are in none of: $empty, $alone/" ||
  fail "no first line naming the folders looked in: $(cat "$GAME_ERR")"
tail -n 1 "$GAME_ERR" | grep -qx 'vorlane-kart: cannot load texture "cloud1.tga": file not found' ||
  fail "no message naming cloud1.tga: $(cat "$GAME_ERR")"
[ "$(wc -l <"$GAME_ERR")" -eq 2 ] || fail "not two lines on stderr: $(cat "$GAME_ERR")"
echo "missing data ok"
