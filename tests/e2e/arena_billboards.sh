# Palms and lamps are billboards cut out by their pictures' alpha: drawn
# through the game's own scene pass (vk-views), a picture that is opaque
# magenta on one half and clear on the other shows magenta on that half and,
# on the other, exactly what is drawn with a wholly clear picture.
source "$(dirname "$0")/lib.sh"

DATA=$(default_data)

# tga FILE LEFT RIGHT: an 8 x 8 picture, columns 0-3 LEFT and 4-7 RIGHT, each
# a BGRA octal escape string.
tga() {
  {
    printf '\0\0\2\0\0\0\0\0\0\0\0\0\10\0\10\0\40\10'
    for _ in 1 2 3 4 5 6 7 8; do
      for _ in 1 2 3 4; do printf "$2"; done
      for _ in 1 2 3 4; do printf "$3"; done
    done
  } >"$1"
}

MAGENTA='\377\0\377\377'
CLEAR='\0\0\0\0'

# data_with FOLDER LEFT RIGHT: the game's data with both billboard pictures replaced.
data_with() {
  rm -rf "$1"
  mkdir -p "$1"
  for f in "$DATA"/*; do ln -s "$f" "$1/"; done
  rm -f "$1/palmtree1.tga" "$1/lamp.tga"
  tga "$1/palmtree1.tga" "$2" "$3"
  tga "$1/lamp.tga" "$2" "$3"
}

# A palm 30 ahead, the outermost of its row, and a lamp 6 ahead at the end
# of a goal approach. Seen from the south, picture column 0 is on the
# quad's right: the opaque half is right of centre, the clear half left.
PALM_OPAQUE="660 210 50 80"
PALM_CLEAR="595 210 35 80"
LAMP_OPAQUE="660 760 50 150"
LAMP_CLEAR="595 760 35 150"
views() {
  (cd "$1" && "$VK_BUILD/tools/vk-views" "$2" \
    palm -160 7.5 5 -160 7.5 35 --mean $PALM_OPAQUE --mean $PALM_CLEAR \
    lamp -155 2.5 36.5 -155 2.5 42.5 --mean $LAMP_OPAQUE --mean $LAMP_CLEAR) 2>/dev/null
}
region() { echo "$1" | awk -v v="$2" -v r="$3 $4 $5 $6" '$1 == "mean" && $2 == v && ($3" "$4" "$5" "$6) == r { print $7, $8, $9 }'; }
same() { awk -v a="$1 $2 $3" -v b="$4 $5 $6" 'BEGIN { split(a, x, " "); split(b, y, " ");
  for (i = 1; i <= 3; i++) { d = x[i] - y[i]; if (d < -3 || d > 3) exit 1 } }'; }
magenta() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(r > 200 && b > 200 && g < 60) }'; }

data_with "$OUT/billboards-half" "$MAGENTA" "$CLEAR"
data_with "$OUT/billboards-clear" "$CLEAR" "$CLEAR"
half=$(views "$OUT/billboards-half" "$OUT/billboards-half") || fail "vk-views failed"
clear=$(views "$OUT/billboards-clear" "$OUT/billboards-clear") || fail "vk-views failed"
echo "$half"
echo "$clear"

for v in palm lamp; do
  V=$(echo $v | tr a-z A-Z)
  opaque=${V}_OPAQUE
  cut=${V}_CLEAR
  magenta $(region "$half" $v ${!opaque}) || fail "$v: opaque half not drawn: $(region "$half" $v ${!opaque})"
  same $(region "$half" $v ${!cut}) $(region "$clear" $v ${!cut}) ||
    fail "$v: clear half not cut out: $(region "$half" $v ${!cut}) against $(region "$clear" $v ${!cut})"
  if magenta $(region "$clear" $v ${!opaque}); then fail "$v: a clear picture still shows"; fi
done
echo "billboards ok"
