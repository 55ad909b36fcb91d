# Without its data files the game names the first missing image and stops
# with status 1 instead of running without pictures.
source "$(dirname "$0")/lib.sh"

empty=$(mktemp -d)
trap 'finish; rm -rf "$empty"' EXIT
GAME_ERR="$OUT/missing_data.stderr"
status=0
(cd "$empty" && exec timeout 30 "$VK_BUILD/vorlane-kart") 2>"$GAME_ERR" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1"
grep -qx 'vorlane-kart: cannot load texture "cloud1.tga": file not found' "$GAME_ERR" ||
  fail "no message naming cloud1.tga"
[ "$(wc -l <"$GAME_ERR")" -eq 1 ] || fail "more than one line on stderr"
echo "missing data ok"
