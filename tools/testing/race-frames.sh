#!/bin/bash
# Draws 19 frames of a race with both karts throwing coconuts all the way,
# through the game's own frame, for checking that a change keeps the picture
# byte for byte: run it before and after, then compare the two folders.
#   tools/testing/race-frames.sh BUILD_DIR OUT_DIR [SCRIPT]   (needs an X display)
# Without SCRIPT it has the autopilot drive one and keeps it as
# OUT_DIR/race.replay, so the run after the change can replay the same.
set -euo pipefail
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
script=${3:-}
if [ -z "$script" ]; then
  script="$out/race.replay"
  "$build/tools/vorlane-autopilot" --match race --time-limit 70 --keys --dt 0.01 2>/dev/null |
    awk '/^[0-9.]+ / && ++n > 510 { $2 = ($2 == "-" ? "ry" : $2 "ry") } { print }' >"$script"
fi
frames=$(seq 300 300 5700)
(cd "$build/data" && LIBGL_ALWAYS_SOFTWARE=1 "$build/tools/vk-replay-shot" "$script" "$out" $frames) \
  >/dev/null 2>"$out/shot.log" || { cat "$out/shot.log" >&2; exit 1; }
ls "$out"/frame-*.png | wc -l
