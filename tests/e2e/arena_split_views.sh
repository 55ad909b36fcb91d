# The arena through the real game's chase cameras: two different views one
# above the other, the gradient sky over the lower circuit in the drivers'
# views, key '1' for one full view and key '3' for the dusk sky.
source "$(dirname "$0")/lib.sh"

# The sky at the far end of the starting lane in each driver's view, in three
# patches between the buildings on the left and the guide arrow on the right;
# the view halves in eight columns, to tell the two views apart. The middle
# patch of view 2's sky is where one full view shows the lane.
SKY_TOP=("495 10 38 55" "535 10 38 55" "575 10 38 55")
SKY_BOTTOM=("545 490 18 50" "564 490 18 50" "583 490 18 50")
MIDDLE="545 505 55 40"
REGIONS=""
for r in "${SKY_TOP[@]}" "${SKY_BOTTOM[@]}" "$MIDDLE"; do REGIONS="$REGIONS --mean $r"; done
columns() {
  local top=$1 x
  for x in 0 160 320 480 640 800 960 1120; do echo "--mean $x $top 160 400"; done
}

patches() {
  local patch
  for patch in "$@"; do printf '%s/ ' "$(mean_of "$LOOK" $patch)"; done
}
LOOK=""
look() {
  LOOK=$(peek $REGIONS) || { SAW="no screenshot"; return 1; }
  SAW="view 1 sky $(patches "${SKY_TOP[@]}")view 2 sky $(patches "${SKY_BOTTOM[@]}")middle $(mean_of "$LOOK" $MIDDLE)"
}
drivers_sky() { look && sky_in "$1" "$LOOK" "${SKY_TOP[@]}" && sky_in "$1" "$LOOK" "${SKY_BOTTOM[@]}"; }
one_view() { look && sky_in day "$LOOK" "${SKY_TOP[@]}" && ! sky_in day "$LOOK" "$MIDDLE"; }

start_game arena_split_views
# Chase views at the start line, once the countdown is over and its message
# gone: kart 2 stands 5 units nearer the lane's east wall.
watch_countdown arena_split_start 40 $(columns 40) $(columns 520)
difference=$(echo "$PLAIN" | awk '$1 == "mean" && $5 == 400 { v[$3 " " $2] = $6 + $7 + $8; xs[$2] = 1 }
  END { for (x in xs) { a = v["40 " x]; b = v["520 " x]; d += a > b ? a - b : b - a }; print int(d) }')
echo "difference between the views: $difference"
[ "$difference" -gt 150 ] || fail "the two views look the same (difference $difference)"

# Both drivers' views show the sky at the far end of the lane.
press c n
wait_for 15 "keys 'c' and 'n': no day sky at the top of both drivers' views" drivers_sky day
keep arena_split_drivers
echo "drivers' views: $SAW"

# One full view: the middle of the window is the lane, not a second sky.
press 1
wait_for 15 "key '1': no full view with the sky at its top and the lane in the middle" one_view
keep arena_one_view
echo "one view: $SAW"

press 2 3
wait_for 15 "keys '2' and '3': no dusk sky at the top of both views" drivers_sky dusk
keep arena_dusk
echo "dusk: $SAW"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "arena split views ok"
