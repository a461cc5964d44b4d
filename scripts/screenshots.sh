#!/usr/bin/env bash
# Takes PNG pictures of the Settings window in its three languages on a
# virtual display, into build/screenshots/, for people to look at.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" >/dev/null
build="$top/build"
out="$build/screenshots"
mkdir -p "$out"
. "$top/scripts/display.sh"
unset DISPLAY
qn_ensure_display "$build"
trap qn_release_display EXIT
. "$top/scripts/wine-prefix.sh" "$build" 64
qn_set_window_management off
install="$build/demo-install"
mkdir -p "$install/Bin"
cd "$install"
for language in en_US ca_ES es_ES; do
  LC_ALL="$language.UTF-8" wine "$build/tests/bin/window_shot.exe" QN2RUNWINDOWSettings \
    "$out/settings-$language.bmp" "$build/Settings.exe"
  python3 "$top/scripts/bmp-to-png.py" "$out/settings-$language.bmp" "$out/settings-$language.png"
  rm -f "$out/settings-$language.bmp"
  echo "$out/settings-$language.png"
done
