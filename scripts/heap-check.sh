#!/usr/bin/env bash
# Runs every test with the heap checks on: the runtime's blocks each before a
# guard page and taken away when freed (QN_HEAP_CHECKS=1), and Wine's process
# heaps with tail and free checking and parameter validation (the system's
# GlobalFlag 0x70, set in the project's prefixes for this run only). Prints
# the tests' results and every heap error Wine reported.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
"$top/scripts/build.sh" >/dev/null
key='HKLM\System\CurrentControlSet\Control\Session Manager'
set_flag() {
  local kind
  for kind in 64 32; do
    (
      . "$top/scripts/wine-prefix.sh" "$build" $kind
      if [ "$1" = on ]; then
        wine reg add "$key" /v GlobalFlag /t REG_DWORD /d 0x70 /f >/dev/null 2>&1
      else
        wine reg delete "$key" /v GlobalFlag /f >/dev/null 2>&1 || true
      fi
      wineserver -w
    )
  done
}
set_flag on
trap 'set_flag off' EXIT
export QN_HEAP_CHECKS=1
export WINEDEBUG=err+heap
log="$build/heap-check.log"
status=0
"$top/scripts/test.sh" "$@" >"$log" 2>&1 || status=$?
grep -E "tests passed|tests failed|\(Failed\)|Exception" "$log" || true
echo "Heap errors reported by Wine: $(grep -c 'err:heap' "$log" || true)"
grep 'err:heap' "$log" | sed 's/^[0-9a-f]*://' | sort | uniq -c | sort -rn | head -20 || true
echo "Full log: $log"
exit $status
