# A resized window gets the whole 1280 x 960 picture scaled to fill it, not a
# corner of it: the sky at the top of each view follows the window's edges.
source "$(dirname "$0")/lib.sh"

blue_sky() { awk -v r="$1" -v b="$3" 'BEGIN { exit !(b > r + 40) }'; }

start_game resize
sleep 2
press c n # drivers' views look down the lane at the sky
window=$(xdotool search --name "^$TITLE\$" | head -n 1)
# Keep it all on the 1920 x 1200 screen, or its pixels cannot be read.
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 1600 1200
sleep 2
# The sky down the lane, where the 1280 x 960 picture has it, scaled by 1.25;
# and the far corner, outside the old 1280 x 960, must not be bare clear colour.
TOP_VIEW="681 31 69 50"
BOTTOM_VIEW="681 631 69 50"
CORNER="1450 1100 100 80"
# The speedometer of the lower view, scaled with the picture: its blue face
# where the 1280 x 960 frame has it at (1135, 875).
DIAL="1419 1094 25 25"
report=$(shot resize --mean $TOP_VIEW --mean $BOTTOM_VIEW --mean $CORNER --mean $DIAL) ||
  fail "no screenshot"
echo "$report"
set -- $(echo "$report" | awk '$1 == "window" { print $3, $4 }')
[ "${1:-}" = 1600 ] && [ "${2:-}" = 1200 ] || fail "window did not resize: ${1:-?} x ${2:-?}"
blue_sky $(mean_of "$report" $TOP_VIEW) || fail "no sky at the top of the resized upper view: $(mean_of "$report" $TOP_VIEW)"
blue_sky $(mean_of "$report" $BOTTOM_VIEW) || fail "no sky at the top of the resized lower view: $(mean_of "$report" $BOTTOM_VIEW)"
corner=$(mean_of "$report" $CORNER)
awk -v r="${corner%% *}" 'BEGIN { exit !(r < 200) }' || fail "the far corner is empty: $corner"
dial=$(mean_of "$report" $DIAL)
set -- $dial
awk -v r="$1" -v b="$3" 'BEGIN { exit !(b > r + 20) }' || fail "no dial face where the scaled HUD puts it: $dial"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "resize ok"
