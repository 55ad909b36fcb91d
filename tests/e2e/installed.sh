# The game as a desktop installs it: `cmake --install` into a fresh prefix
# puts the program, its data, the desktop entry, the AppStream file and the
# icons in their places; started from an empty folder, the installed game
# finds its data beside itself and plays: the countdown, then '0' dims the
# picture under the match-choice card, and '6' starts tag from the card.
source "$(dirname "$0")/lib.sh"

prefix="$OUT/installed-prefix"
rm -rf "$prefix"
cmake --install "$VK_BUILD" --prefix "$prefix" >"$OUT/installed.log" 2>&1 ||
  fail "cmake --install failed: $(tail -n 5 "$OUT/installed.log")"
for file in bin/vorlane-kart share/vorlane-kart/cloud1.tga share/vorlane-kart/msgchoose.tga \
  share/applications/vorlane-kart.desktop share/metainfo/vorlane-kart.metainfo.xml \
  share/icons/hicolor/48x48/apps/vorlane-kart.png share/icons/hicolor/256x256/apps/vorlane-kart.png; do
  [ -s "$prefix/$file" ] || fail "the install has no $file (installed: $(cd "$prefix" && find . -type f | head -n 20 | tr '\n' ' '))"
done
echo "ok: installed into $prefix"

empty="$OUT/installed-empty"
rm -rf "$empty"
mkdir -p "$empty"
GAME="$prefix/bin/vorlane-kart"
start_game installed "$empty"
watch_countdown installed 40
[ ! -s "$GAME_ERR" ] || fail "the installed game complained: $(cat "$GAME_ERR")"
echo "ok: the installed game started from an empty folder and counted down"

# The card's middle and the picture left and right of it.
CARD="440 430 400 100"
SIDES="--mean 0 200 200 560 --mean 1080 200 200 560"
brightness() { mean_of "$1" $2 $3 $4 $5 | awk '{ print $1 + $2 + $3 }'; }
playing=$(peek --mean $CARD $SIDES)
hold 0 0.5 # the keys are read at the ticks: a tap between two would be missed
# chooser: the sides dimmed to under 80 % of the playing picture's, and the
# card's middle changed.
chooser() {
  local report
  report=$(peek --mean $CARD $SIDES 2>&1) || { SAW="no look: $report"; return 1; }
  SAW="sides $(brightness "$report" 0 200 200 560) and $(brightness "$report" 1080 200 200 560) (playing: $(brightness "$playing" 0 200 200 560) and $(brightness "$playing" 1080 200 200 560)), card changed by $(differ "$playing" "$report" $CARD)"
  awk -v a="$(brightness "$report" 0 200 200 560)" -v b="$(brightness "$report" 1080 200 200 560)" \
    -v pa="$(brightness "$playing" 0 200 200 560)" -v pb="$(brightness "$playing" 1080 200 200 560)" \
    'BEGIN { exit !(a < 0.8 * pa && b < 0.8 * pb) }' && [ "$(differ "$playing" "$report" $CARD)" -gt 30 ]
}
wait_for 10 "'0' dimming the picture under the match-choice card" chooser
shot installed_choice >/dev/null
echo "ok: '0' shows the match-choice card ($SAW)"

hold 6 0.5
# tag_clocks: both views show a tag clock.
tag_clocks() {
  local report
  report=$(peek $(clock_regions) 2>&1) || { SAW="no look: $report"; return 1; }
  SAW="clocks $(clock_of "$report" $CLOCK1_TOP) and $(clock_of "$report" $CLOCK2_TOP)"
  is_clock "$(clock_of "$report" $CLOCK1_TOP)" && is_clock "$(clock_of "$report" $CLOCK2_TOP)"
}
wait_for 20 "'6' starting tag: a clock in each view" tag_clocks
echo "ok: '6' started tag from the card ($SAW)"
