# The arena through the real game's chase cameras: two different views one
# above the other, the gradient sky over the lower circuit in the drivers'
# views, key '1' for one full view and key '3' for the dusk sky.
source "$(dirname "$0")/lib.sh"

# Sky region at the top of each view, straight along the starting lane; the
# view halves in eight columns, to tell the two views apart.
SKY_TOP="545 25 55 40"
SKY_BOTTOM="545 505 55 40"
columns() {
  local top=$1 x
  for x in 0 160 320 480 640 800 960 1120; do echo "--mean $x $top 160 400"; done
}

# blue_sky R G B: the day gradient, blue well above red.
blue_sky() { awk -v r="$1" -v b="$3" 'BEGIN { exit !(b > r + 40) }'; }
dusk_sky() { awk -v r="$1" -v b="$3" 'BEGIN { exit !(r > 150 && r > b - 60) }'; }

start_game arena_split_views
sleep 3
# Chase views at the start line: kart 2 stands 5 units nearer the lane's east wall.
report=$(shot arena_split_chase $(columns 40) $(columns 520)) || fail "no screenshot"
echo "$report"
difference=$(echo "$report" | awk '$1 == "mean" { v[$3 " " $2] = $6 + $7 + $8; xs[$2] = 1 }
  END { for (x in xs) { a = v["40 " x]; b = v["520 " x]; d += a > b ? a - b : b - a }; print int(d) }')
echo "difference between the views: $difference"
[ "$difference" -gt 150 ] || fail "the two views look the same (difference $difference)"

# Both drivers' views show the sky at the far end of the lane.
press c n
sleep 1
report=$(shot arena_split_drivers --mean $SKY_TOP --mean $SKY_BOTTOM) || fail "no screenshot"
echo "$report"
top=$(mean_of "$report" $SKY_TOP)
bottom=$(mean_of "$report" $SKY_BOTTOM)
blue_sky $top || fail "no day sky at the top of view 1: $top"
blue_sky $bottom || fail "no day sky at the top of view 2: $bottom"

# One full view: the middle of the window is the lane, not a second sky.
press 1
sleep 1
report=$(shot arena_one_view --mean $SKY_TOP --mean $SKY_BOTTOM) || fail "no screenshot"
echo "$report"
top=$(mean_of "$report" $SKY_TOP)
middle=$(mean_of "$report" $SKY_BOTTOM)
blue_sky $top || fail "no sky at the top of the full view: $top"
if blue_sky $middle; then fail "key '1' still shows a second view: $middle"; fi

press 2 3
sleep 1
report=$(shot arena_dusk --mean $SKY_TOP --mean $SKY_BOTTOM) || fail "no screenshot"
echo "$report"
dusk_sky $(mean_of "$report" $SKY_TOP) || fail "no dusk sky in view 1: $(mean_of "$report" $SKY_TOP)"
dusk_sky $(mean_of "$report" $SKY_BOTTOM) || fail "no dusk sky in view 2: $(mean_of "$report" $SKY_BOTTOM)"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "arena split views ok"
