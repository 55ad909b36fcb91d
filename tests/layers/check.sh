#!/usr/bin/env bash
# The layers include one way only:
#   support -> assets -> sim -> app (the World and its rules) -> render -> shell
# with texture upload (assets/upload, for the shell and the renderer) and
# sound playback (support/audio) beside them. Only the renderer, the upload
# and the shell reach GL; only the sound playback and the shell reach the
# audio library; only the shell reaches SDL (the pads). Fails naming every
# file that includes a layer above its own, or a GL, audio or SDL header from
# a layer that may not see it, and any GL type or texture slot named under
# sim/ or app/.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

# The project folders a layer may include from, by the file's own folder.
allowed() {
  case $1 in
    support/audio/*) echo "support support/audio" ;;
    support/*) echo "support" ;;
    assets/upload/*) echo "support assets assets/upload" ;;
    assets/*) echo "support assets" ;;
    sim/*) echo "support assets sim" ;;
    shell/*) echo "support support/audio assets assets/upload sim app render shell" ;;
    app/*) echo "support assets sim app" ;;
    render/*) echo "support assets assets/upload sim app render" ;;
  esac
}
gl_free() {
  case $1 in
    assets/upload/* | shell/* | render/*) return 1 ;;
    *) return 0 ;;
  esac
}
audio_free() {
  case $1 in
    support/audio/* | shell/*) return 1 ;;
    *) return 0 ;;
  esac
}
sdl_free() {
  case $1 in
    shell/*) return 1 ;;
    *) return 0 ;;
  esac
}
# The layer an included path belongs to: the longest known folder prefix.
layer_of() {
  case $1 in
    assets/upload/*) echo assets/upload ;;
    support/audio/*) echo support/audio ;;
    support/* | assets/* | sim/* | app/* | render/* | shell/*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

faults=0
while IFS= read -r file; do
  ok=" $(allowed "$file") "
  while IFS= read -r line; do
    target=$(echo "$line" | sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p')
    if [ -n "$target" ]; then
      layer=$(layer_of "$target")
      if [ -n "$layer" ] && [[ $ok != *" $layer "* ]]; then
        echo "$file includes \"$target\": a layer above its own"
        faults=$((faults + 1))
      fi
    fi
    if gl_free "$file" && echo "$line" | grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<GL/'; then
      echo "$file: $line in a GL-free layer"
      faults=$((faults + 1))
    fi
    if audio_free "$file" && echo "$line" | grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(AL/|sndfile)'; then
      echo "$file: $line outside the sound playback"
      faults=$((faults + 1))
    fi
    if sdl_free "$file" && echo "$line" | grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<SDL'; then
      echo "$file: $line outside the shell"
      faults=$((faults + 1))
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(find support assets sim app render shell -name '*.h' -o -name '*.cpp' | sort)

# The simulation and the World know kinds of things, never how they are drawn.
while IFS= read -r hit; do
  echo "$hit: a GL type or texture slot in the simulation or the World"
  faults=$((faults + 1))
done < <(grep -rnE '\bTextureSlot\b|\bTEX_[A-Z]|\bGL(uint|int|enum|float|double|boolean)\b' sim app)

if [ "$faults" -gt 0 ]; then
  echo "layers: $faults faults"
  exit 1
fi
echo "layers: every include points down"
