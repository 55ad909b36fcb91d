#!/usr/bin/env bash
# The desktop entry and the AppStream metadata, checked by the freedesktop.org
# validators (Debian packages desktop-file-utils and appstream), and checked
# against each other: a desktop shows nothing for an entry it cannot match.
set -uo pipefail
cd "$(dirname "$0")/../.."

entry=desktop/vorlane-kart.desktop
metainfo=desktop/vorlane-kart.metainfo.xml
failed=0

fail() {
  echo "validate.sh: $*" >&2
  failed=1
}

# Runs a validator; it fails on its exit status and, for desktop-file-validate,
# which exits 0 after warnings, on any warning too.
validate() {
  local package=$1
  shift
  if ! command -v "$1" >/dev/null 2>&1; then
    fail "$1 not found; install the Debian package $package"
    return
  fi
  local said status
  said=$("$@" 2>&1)
  status=$?
  if [ "$status" -ne 0 ] || grep -qiE '^[^:]*: (error|warning):' <<<"$said"; then
    fail "'$*' exited with $status and said:"
    echo "$said" >&2
  elif [ -n "$said" ]; then
    echo "$said"
  fi
}

validate desktop-file-utils desktop-file-validate "$entry"
validate appstream appstreamcli validate --no-net "$metainfo"

# The metadata launches this very entry, and both name the same icon, which
# vk-paint --icons paints as vorlane-kart-<size>.png.
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ "$launchable" = "$(basename "$entry")" ] ||
  fail "$metainfo launches '$launchable', not $(basename "$entry")"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ "$icon" = vorlane-kart ] || fail "$entry: Icon=$icon, but the painted icons are vorlane-kart-<size>.png"
stock=$(sed -n 's|.*<icon type="stock">\(.*\)</icon>.*|\1|p' "$metainfo")
[ "$stock" = "$icon" ] || fail "$metainfo names the icon '$stock', $entry names '$icon'"
binary=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")
[ "$binary" = "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")" ] ||
  fail "$metainfo provides the binary '$binary', but $entry runs another"

[ "$failed" -eq 0 ] && echo "validate.sh: $entry and $metainfo are valid"
exit "$failed"
