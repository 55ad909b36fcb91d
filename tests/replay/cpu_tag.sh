# The CPU plays tag against itself: the mode choice ('0', '6') and empty
# frames through vorlane-replay --cpu both, at 7, 17 and 33 ms frames, until
# one kart's clock runs out and the other player wins; the same game at
# every frame time.
source "$(dirname "$0")/lib.sh"

# The three games are long: played side by side, then read one by one.
games=()
for dt in 0.007 0.017 0.033; do
  script "cpu_tag_$dt"
  chosen 6 "$dt"
  empty_frames 260 "$dt"
  play --cpu both --level hard &
  games+=($!)
done
for game in "${games[@]}"; do wait "$game" || exit 1; done

tag_end=""
for dt in 0.007 0.017 0.033; do
  use "cpu_tag_$dt"
  p1=$(last 1 showP1Wins) p2=$(last 1 showP2Wins)
  expect "$((p1 + p2))" == 1 "tag at $dt s frames: one player wins"
  loser=$([ "$p1" = 1 ] && echo 2 || echo 1)
  expect "$(last $loser tagClock)" '<=' 0 "tag at $dt s frames: the loser's clock ran out"
  # The same game, whatever the frames: the winner's clock stopped at the same time.
  left=$(last $((3 - loser)) tagClock)
  [ -z "$tag_end" ] || [ "$left" = "$tag_end" ] ||
    fail "tag won with $left s on the winner's clock at $dt s frames, $tag_end s at 7 ms frames"
  tag_end=$left
done

# "It" beside a kart that stands still, at the start of the match: at every
# level the CPU turns onto it and tags it within seconds, rather than
# circling it at hairpin speed until its own clock runs out.
script cpu_tag_parked
chosen 6 0.01
empty_frames 10 0.01
for level in easy normal hard; do
  play --cpu 1 --level "$level"
  expect "$(last 2 isIt)" == 1 "tag, $level: the CPU has tagged the parked kart within 5 s of GO"
  expect "$(last 1 tagClock)" '>' 114 "tag, $level: it took the CPU less than 6 s of its clock"
done
