# Both karts are drawn in both views: at the start line kart 2 stands 5 units
# to kart 1's +x side, which from behind is the left, so each chase camera
# sees the other kart's painted side tube beside its own kart, kart 1's blue
# low on the right of the lower view, kart 2's green on the left of the upper
# one, with the grey lane floor around them.
source "$(dirname "$0")/lib.sh"

GREEN_TUBE="345 302 25 16"
BLUE_TUBE="905 780 35 16"
FLOOR_UPPER="100 380 80 30"
FLOOR_LOWER="300 860 80 30"

green() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(g > 80 && g > 2 * (r + b)) }'; }
blue() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(b > 60 && b > 2 * (r + g)) }'; }
floor() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(r > 40 && r >= g && r >= b) }'; }

start_game karts_in_view
# The cameras glide into place behind their karts once the data is loaded.
both_karts() {
  report=$(peek --mean $GREEN_TUBE --mean $BLUE_TUBE --mean $FLOOR_UPPER --mean $FLOOR_LOWER) ||
    { SAW="no screenshot"; return 1; }
  SAW="kart 2's tube in view 1 $(mean_of "$report" $GREEN_TUBE), kart 1's in view 2 $(mean_of "$report" $BLUE_TUBE)"
  green $(mean_of "$report" $GREEN_TUBE) && blue $(mean_of "$report" $BLUE_TUBE)
}
wait_for 30 "not both karts in both views" both_karts
keep karts_in_view
echo "$report"
green $(mean_of "$report" $GREEN_TUBE) || fail "no green kart 2 in view 1: $(mean_of "$report" $GREEN_TUBE)"
blue $(mean_of "$report" $BLUE_TUBE) || fail "no blue kart 1 in view 2: $(mean_of "$report" $BLUE_TUBE)"
floor $(mean_of "$report" $FLOOR_UPPER) || fail "no lane floor in view 1: $(mean_of "$report" $FLOOR_UPPER)"
floor $(mean_of "$report" $FLOOR_LOWER) || fail "no lane floor in view 2: $(mean_of "$report" $FLOOR_LOWER)"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "karts in view ok"
