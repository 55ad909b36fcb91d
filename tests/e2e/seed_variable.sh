# VORLANE_KART_SEED seeds the game's rand(): the largest unsigned is taken
# without a word; anything else is named in one line on standard error, and
# the game plays on, seeded from the time.
source "$(dirname "$0")/lib.sh"

VORLANE_KART_SEED=4294967295 start_game seed_largest
wait_for 30 "no frame drawn" drawn
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error with the largest seed"
stop_game

for bad in 12x "" 4294967296; do
  VORLANE_KART_SEED=$bad start_game seed_bad
  wait_for 30 "VORLANE_KART_SEED=\"$bad\": no frame drawn" drawn
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game stopped with VORLANE_KART_SEED=\"$bad\""
  [ "$(wc -l <"$GAME_ERR")" -eq 1 ] && grep -qxF \
    "vorlane-kart: VORLANE_KART_SEED=\"$bad\" is not an unsigned decimal; seeding from the time" "$GAME_ERR" ||
    fail "VORLANE_KART_SEED=\"$bad\": not the one line naming it"
  stop_game
done
echo "seed variable ok"
