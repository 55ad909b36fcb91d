# A resized window gets the whole 1280 x 960 picture scaled to fill it, not a
# corner of it: the sky at the top of each view follows the window's edges.
source "$(dirname "$0")/lib.sh"

start_game resize
watch_countdown resize_start 40 # its message would cover view 2's sky
press c n                       # drivers' views look down the lane at the sky
window=$(xdotool search --name "^$TITLE\$" | head -n 1)
# Keep it all on the 1920 x 1200 screen, or its pixels cannot be read.
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 1600 1200
# The sky down the lane, where the 1280 x 960 picture has it, scaled by 1.25
# (three patches a view, as a cloud may drift over some); and the far corner,
# outside the old 1280 x 960, must not be bare clear colour.
TOP_VIEW=("619 13 47 68" "669 13 47 68" "719 13 47 68")
BOTTOM_VIEW=("681 613 22 62" "705 613 22 62" "729 613 22 62")
CORNER="1450 1100 100 80"
# The speedometer of the lower view, scaled with the picture: its blue face
# where the 1280 x 960 frame has it at (1135, 875).
DIAL="1419 1094 25 25"
REGIONS="--mean $CORNER --mean $DIAL"
for r in "${TOP_VIEW[@]}" "${BOTTOM_VIEW[@]}"; do REGIONS="$REGIONS --mean $r"; done
patches() {
  local patch
  for patch in "$@"; do printf '%s/ ' "$(mean_of "$report" $patch)"; done
}
resized() {
  report=$(peek $REGIONS) || { SAW="no screenshot"; return 1; }
  set -- $(echo "$report" | awk '$1 == "window" { print $3, $4 }')
  SAW="window ${1:-?} x ${2:-?}, upper sky $(patches "${TOP_VIEW[@]}")lower sky $(patches "${BOTTOM_VIEW[@]}")corner $(mean_of "$report" $CORNER), dial $(mean_of "$report" $DIAL)"
  [ "${1:-}" = 1600 ] && [ "${2:-}" = 1200 ] || return 1
  sky_in day "$report" "${TOP_VIEW[@]}" && sky_in day "$report" "${BOTTOM_VIEW[@]}" || return 1
  # Not the clear colour, and the dial's blue face.
  set -- $(mean_of "$report" $CORNER) $(mean_of "$report" $DIAL)
  awk -v corner="$1" -v r="$4" -v b="$6" 'BEGIN { exit !(corner < 200 && b > r + 20) }'
}
wait_for 20 "the resized window does not show the whole picture scaled" resized
keep resize
echo "$SAW"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "resize ok"
