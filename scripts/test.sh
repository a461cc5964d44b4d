#!/usr/bin/env bash
# Builds everything and runs every test under Wine (on a virtual display when
# there is none).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
build="$top/build"
. "$top/scripts/display.sh"
qn_ensure_display "$build"
for kind in 32 64; do
  . "$top/scripts/wine-prefix.sh" "$build" $kind
  if [ "$qn_virtual_display" = 1 ]; then qn_set_window_management off; else qn_set_window_management on; fi
done
status=0
ctest --test-dir "$build" --output-on-failure -j2 "$@" || status=$?
for kind in 64 32; do WINEPREFIX="$build/wine/prefix$kind" wineserver -k 2>/dev/null || true; done
qn_release_display
exit $status
