#!/usr/bin/env bash
# Builds everything and runs every test under Wine, always on a virtual
# display of its own with window management off, whatever DISPLAY says: the
# tests hide and show many windows, and a window manager (or the lack of one
# on a display that Wine believes managed) makes each of those wait.
# Arguments go to ctest: ./scripts/test.sh -R winproc
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
build="$top/build"
. "$top/scripts/display.sh"
# Each prefix's server and its service processes start here, before any
# test, with no output of their own: started by a test program, they would
# hold its output open and ctest would wait for them to end. The tests of
# high-DPI behaviour run in the 32-bit prefix on a screen of 192 DPI; the one
# of 144 DPI serves screenshots.sh only.
prefix_kinds="32 64 32-192"
for kind in $prefix_kinds; do
  qn_wine_session "$build" virtual $kind
  # A server left by an interrupted run would keep its old display.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
done
stop_servers() {
  for kind in $prefix_kinds; do WINEPREFIX="$build/wine/prefix$kind" wineserver -k 2>/dev/null || true; done
}
trap 'stop_servers; qn_release_display' EXIT
# The locales the runs in other languages and code pages name, generated
# into the build folder (LOCPATH) so that the system's own are not needed.
mkdir -p "$build/locales"
for locale in ca_ES es_ES es_MX ru_RU; do
  [ -e "$build/locales/$locale.UTF-8/LC_CTYPE" ] ||
    localedef -i "$locale" -f UTF-8 "$build/locales/$locale.UTF-8" >/dev/null 2>&1 || true
done
ctest --test-dir "$build" --output-on-failure -j2 "$@"
