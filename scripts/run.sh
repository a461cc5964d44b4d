#!/usr/bin/env bash
# Builds Settings.exe and runs it under Wine, on the user's display or, when
# there is none, on a virtual one. Its current directory is a demonstration
# installation folder inside the build folder, which it takes as the Quenlo
# installation folder; what it writes goes into the project's Wine prefix.
# With the argument "gallery" it runs Gallery.exe instead, the window that
# shows every control of the runtime.
set -euo pipefail
program=Settings
case "${1:-}" in
  "") ;;
  gallery) program=Gallery ;;
  *) echo "usage: $0 [gallery]" >&2; exit 2 ;;
esac
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
build="$top/build"
install="$build/demo-install"
mkdir -p "$install/Bin"
for exe in Quenlo.exe Quenlo64.exe; do
  if [ -f "$build/tests/bin/quenlo_stub.exe" ]; then
    cp -f "$build/tests/bin/quenlo_stub.exe" "$install/Bin/$exe"
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: $program runs on a virtual display (stop it with Ctrl+C)." >&2
fi
. "$top/scripts/display.sh"
qn_wine_session "$build" user
cd "$install"
wine "$build/$program.exe"
