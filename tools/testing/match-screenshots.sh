#!/bin/bash
# Writes docs/race.png, docs/tag.png and docs/ball.png: one split-screen
# picture of each kind of match under way, from real matches the autopilot
# plays through the players' keys, drawn by the game's own frame; and
# docs/cpu.png, the CPU driving both karts through the same replay tool.
#   tools/testing/match-screenshots.sh [BUILD_DIR]   (needs an X display)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
mkdir -p "$source_dir/docs"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# match, autopilot options, the frame to show (20 ms frames from the start)
shoot() {
  local name=$1 frame=$2
  shift 2
  "$build/tools/vorlane-autopilot" "$@" >"$tmp/$name.replay" 2>/dev/null || true
  # shellcheck disable=SC2046 # the CPU options the script names, as words
  (cd "$build/data" && LIBGL_ALWAYS_SOFTWARE=1 "$build/tools/vk-replay-shot" \
    $(sed -n 's/^# replay: //p' "$tmp/$name.replay") "$tmp/$name.replay" "$tmp" "$frame") >/dev/null
  cp "$tmp/frame-$frame.png" "$source_dir/docs/$name.png"
  echo "$source_dir/docs/$name.png"
}

shoot race 600 --match race --time-limit 20   # kart 2 close behind kart 1 on the arcade road
shoot tag 1800 --match tag --time-limit 40    # both tag clocks, kart 2 is it
shoot ball 1200 --match ball --drive 1 --time-limit 30 # kart 1 lining up on the ball

# The CPU in both seats from the start: a script of empty 20 ms frames.
{ echo "seed 1"; for _ in $(seq 900); do echo "0.02 -"; done; } >"$tmp/cpu.replay"
(cd "$build/data" && LIBGL_ALWAYS_SOFTWARE=1 "$build/tools/vk-replay-shot" --cpu both \
  "$tmp/cpu.replay" "$tmp" 900) >/dev/null
cp "$tmp/frame-900.png" "$source_dir/docs/cpu.png"
echo "$source_dir/docs/cpu.png"
