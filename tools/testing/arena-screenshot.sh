#!/bin/bash
# Writes docs/screenshot.png: the arena from above its north-east corner,
# drawn by the game's own scene pass from the build's generated data.
#   tools/testing/arena-screenshot.sh [BUILD_DIR]   (needs an X display)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
mkdir -p "$source_dir/docs"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$build/data" && LIBGL_ALWAYS_SOFTWARE=1 "$build/tools/vk-views" "$tmp" \
  arena 120 55 150 -30 -5 30) >/dev/null
cp "$tmp/arena.png" "$source_dir/docs/screenshot.png"
echo "$source_dir/docs/screenshot.png"
