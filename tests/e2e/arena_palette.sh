# The buildings wear their palettes in hard bands: seen from the field, the
# arcade roof is lit red, its trim lit gold and its columns, lit from behind,
# the grey palette's bright dark tone; the sky is blue above and the lawn green.
source "$(dirname "$0")/lib.sh"

[ -f "$VK_BUILD/data/arch6open.ase" ] || fail "the build has not generated the game's models"

ROOF="300 392 500 20"
TRIM="300 432 500 10"
COLUMN="180 560 60 40"
SKY="0 0 1280 40"
LAWN="0 800 1280 100"
report=$(cd "$VK_BUILD/data" && "$VK_BUILD/tools/vk-views" "$OUT" palette 60 6 40 60 6 0 \
  --mean $ROOF --mean $TRIM --mean $COLUMN --mean $SKY --mean $LAWN 2>/dev/null) || fail "vk-views failed"
echo "$report"
region() { echo "$report" | awk -v r="$1 $2 $3 $4" '$1 == "mean" && ($3" "$4" "$5" "$6) == r { print $7, $8, $9 }'; }

# near R G B  ER EG EB: within 8 of the expected colour, every channel.
near() { awk -v a="$1 $2 $3" -v b="$4 $5 $6" 'BEGIN { split(a, x, " "); split(b, y, " ");
  for (i = 1; i <= 3; i++) { d = x[i] - y[i]; if (d < -8 || d > 8) exit 1 } }'; }

# glColor3b intensities (out of 127) as 8-bit pixels.
near $(region $ROOF) 141 26 6 || fail "arcade roof is not the lit red: $(region $ROOF)"
near $(region $TRIM) 189 141 22 || fail "arcade trim is not the lit gold: $(region $TRIM)"
near $(region $COLUMN) 141 141 141 || fail "arcade columns are not the grey palette: $(region $COLUMN)"
set -- $(region $SKY)
awk -v r="$1" -v b="$3" 'BEGIN { exit !(b > 200 && r < 60) }' || fail "no blue sky: $*"
set -- $(region $LAWN)
awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(g > r + 50 && g > b + 50) }' || fail "no green lawn: $*"
echo "palette ok"
