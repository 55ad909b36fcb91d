# Kart 1 dropped onto the ball field (respawn 'v', with the brake held so the
# fall gives it no speed) lands at (0, 0, 10) facing +z, so its chase view
# looks straight along the field. In a race: 'r' throws coconuts, brown
# billboards that fly off ahead of the kart and are gone a few seconds after
# the key is let go; no ball anywhere. In the ball game ('0', '7'): the ball
# at (0, 3, 60) straight ahead, a sphere lit from the right of the view (the
# light was placed before any camera), its left half unlit.
source "$(dirname "$0")/lib.sh"

# The ball 50 units ahead of the kart: a patch of its unlit and of its lit half.
BALL_DARK="615 100 18 25"
BALL_LIT="650 100 14 22"
# The field ahead of kart 1, from the kart up to the far end, where the
# coconuts fly.
AHEAD=("620 130 40 20" "620 150 40 20" "620 170 40 20" "620 190 40 20" "620 210 40 20" "620 230 40 20")
FIELD="300 200 200 40"
REGIONS="--mean $BALL_DARK --mean $BALL_LIT --mean $FIELD"
for cell in "${AHEAD[@]}"; do REGIONS="$REGIONS --mean $cell"; done
look() { peek $REGIONS || fail "no screenshot"; }

grass() { awk -v r="$1" -v g="$2" 'BEGIN { exit !(g > r + 50) }'; }
# on_grass REPORT: grass just ahead of kart 1 and to its left: down on the
# field (from high up the view shows sky there).
on_grass() {
  grass $(mean_of "$1" $FIELD) && grass $(mean_of "$1" ${AHEAD[3]}) &&
    grass $(mean_of "$1" ${AHEAD[4]}) && grass $(mean_of "$1" ${AHEAD[5]})
}
# lit_sphere REPORT: the ball's left half black, its right half light grey.
lit_sphere() {
  set -- $(mean_of "$1" $BALL_DARK) $(mean_of "$1" $BALL_LIT)
  awk -v r="$1" -v g="$2" -v b="$3" -v R="$4" -v G="$5" -v B="$6" 'BEGIN {
    grey = R - G < 10 && G - R < 10 && G - B < 10 && B - G < 10
    exit !(r < 30 && g < 30 && b < 30 && grey && G > 110)
  }'
}
# browner BEFORE AFTER: how much more brown than green the most changed cell
# ahead of the kart has become.
browner() {
  awk -v cells="$(IFS='|' && echo "${AHEAD[*]}")" '
    $1 == "mean" { key = $2 " " $3 " " $4 " " $5; if (NR == FNR) a[key] = $7 - $6; else b[key] = $7 - $6 }
    END {
      n = split(cells, list, "|"); m = 0
      for (i = 1; i <= n; i++) if (a[list[i]] - b[list[i]] > m) m = a[list[i]] - b[list[i]]
      print int(m)
    }' <(echo "$1") <(echo "$2")
}

# land NAME: drops kart 1 onto the field and waits until it and its camera
# have come to rest there; LANDED holds the last look.
land() {
  local deadline previous="" report
  key_down v
  sleep 1
  key_down s
  key_up v
  deadline=$(plus "$(now)" 60)
  while :; do
    sleep 1
    report=$(look)
    if [ -n "$previous" ] && on_grass "$report" &&
      unchanged "$previous" "$report" "$BALL_DARK" "$BALL_LIT" "$FIELD" "${AHEAD[@]}"; then
      break
    fi
    previous=$report
    later "$deadline" "$(now)" || { key_up s; fail "$1: kart 1 did not come to rest on the field: field $(mean_of "$report" $FIELD), ahead $(mean_of "$report" ${AHEAD[3]}) / $(mean_of "$report" ${AHEAD[4]}) / $(mean_of "$report" ${AHEAD[5]}), changed by $(changes "${previous:-}" "$report" "$FIELD" "${AHEAD[@]}")"; }
  done
  key_up s
  LANDED=$report
}

start_game ball_and_coconut
watch_countdown ball_and_coconut_start 40

land ball_and_coconut_race
before=$LANDED
if lit_sphere "$before"; then fail "a ball ahead of kart 1 in a race: $(mean_of "$before" $BALL_DARK) / $(mean_of "$before" $BALL_LIT)"; fi

# Coconuts: kept on coming while 'r' is held, one each 0.3 s.
key_down r
deadline=$(plus "$(now)" 8)
while :; do
  report=$(look)
  [ "$(browner "$before" "$report")" -le 20 ] || break
  later "$deadline" "$(now)" || { key_up r; fail "key 'r': no coconut ahead of kart 1 (the field at most $(browner "$before" "$report") less green)"; }
done
key_up r
keep ball_and_coconut_throw
echo "coconut ahead of kart 1: the field $(browner "$before" "$report") less green"
# ... and flown off past the end of the field.
deadline=$(plus "$(now)" 15)
until report=$(look) && unchanged "$before" "$report" "${AHEAD[@]}"; do
  later "$deadline" "$(now)" || fail "the coconuts stay ahead of kart 1: $(changes "$before" "$report" "${AHEAD[@]}")"
done

hold 0 1
hold 7 0.5
watch_countdown ball_and_coconut_ball 30
land ball_and_coconut_ball
keep ball_and_coconut_ball
lit_sphere "$LANDED" ||
  fail "no lit ball ahead of kart 1 in the ball game: unlit half $(mean_of "$LANDED" $BALL_DARK), lit half $(mean_of "$LANDED" $BALL_LIT)"
echo "ball: unlit half $(mean_of "$LANDED" $BALL_DARK), lit half $(mean_of "$LANDED" $BALL_LIT)"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped"
echo "ball and coconut ok"
