#!/usr/bin/env bash
# Builds everything and runs the benchmarks under Wine, on a virtual display
# without a window manager, then prints one table of figures:
#   scripts/bench.sh [ROUNDS [BATCHES]]
# ROUNDS (default 21) start-up runs of each program, BATCHES (default 31)
# dispatch batches; 0 leaves that part out. Keep the machine otherwise idle.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" >&2
build="$top/build"
. "$top/scripts/display.sh"
# A desktop's window manager would be part of every figure.
qn_wine_session "$build" virtual
trap 'wineserver -k 2>/dev/null || true; qn_release_display' EXIT
rm -rf "$build/bench/install"
# Wine reports every look at the root folder's volume label; that is noise here.
wine "$build/bench/qnbench.exe" "${1:-21}" "${2:-31}" 2> >(grep --line-buffered -v 'FS volume label' >&2)
