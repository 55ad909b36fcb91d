# Damaged data files: a bad image stops the game with a message naming it;
# a bad or missing model is reported and the game plays on without it.
source "$(dirname "$0")/lib.sh"

data=$(mktemp -d)
trap 'finish; rm -rf "$data"' EXIT
standin_data "$data"

# An image cut off inside its header.
cp "$data/msggo.tga" "$OUT/msggo.tga.bak"
head -c 10 "$OUT/msggo.tga.bak" >"$data/msggo.tga"
GAME_ERR="$OUT/damaged_texture.stderr"
status=0
(cd "$data" && exec timeout 30 "$VK_BUILD/vorlane-kart") 2>"$GAME_ERR" || status=$?
[ "$status" -eq 1 ] || fail "truncated image: exit status $status, not 1"
grep -qx 'vorlane-kart: cannot load texture "msggo.tga": truncated header' "$GAME_ERR" ||
  fail "truncated image: no message naming msggo.tga"
cp "$OUT/msggo.tga.bak" "$data/msggo.tga"

# An image that is really text.
cp "$data/bush.tga" "$OUT/bush.tga.bak"
printf 'this is not an image at all, but it is long enough\n' >"$data/bush.tga"
status=0
(cd "$data" && exec timeout 30 "$VK_BUILD/vorlane-kart") 2>"$GAME_ERR" || status=$?
[ "$status" -eq 1 ] || fail "text image: exit status $status, not 1"
grep -q '^vorlane-kart: cannot load texture "bush.tga": ' "$GAME_ERR" ||
  fail "text image: no message naming bush.tga"
cp "$OUT/bush.tga.bak" "$data/bush.tga"

# Garbage in one model, another model missing, a third with absurd counts.
head -c 20000 /dev/urandom >"$data/tower.ase"
rm "$data/plant.ASE"
printf '*GEOMOBJECT {\n*MESH_NUMVERTEX 999999999\n*MESH_NUMFACES -4\n}\n' >"$data/arrow.ASE"
start_game damaged_models "$data"
# The models load after the window opens: the game is past them once it draws.
wait_for 30 "no frame drawn with damaged models" drawn
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped with damaged models"
grep -qx 'Error: Unable to find or open the file: plant.ASE' "$GAME_ERR" ||
  fail "no message naming the missing plant.ASE"
grep -q '^Error: The model file "arrow.ASE" is refused: ' "$GAME_ERR" ||
  fail "no message naming the damaged arrow.ASE"
keep damaged_models
echo "damaged data ok"
