#!/usr/bin/env bash
# Takes PNG pictures of the Settings window in its three languages, and of
# the gallery with and without a visual style, on a virtual display, into
# build/screenshots/, for people to look at.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" >/dev/null
build="$top/build"
out="$build/screenshots"
mkdir -p "$out"
. "$top/scripts/display.sh"
qn_wine_session "$build" virtual
install="$build/demo-install"
mkdir -p "$install/Bin"
cd "$install"
shot() { # CLASS NAME PROGRAM [LOCALE]
  env ${4:+LC_ALL=$4.UTF-8} wine "$build/tests/bin/window_shot.exe" "$1" "$out/$2.bmp" "$3"
  python3 "$top/scripts/bmp-to-png.py" "$out/$2.bmp" "$out/$2.png"
  rm -f "$out/$2.bmp"
  echo "$out/$2.png"
}
for language in en_US ca_ES es_ES; do
  shot QN2RUNWINDOWSettings "settings-$language" "$build/Settings.exe" "$language"
done

# The gallery once in Wine's own visual style and once without any; the
# prefix's choice is put back afterwards.
theme_key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
set_theme() { # 1 | 0
  if [ "$1" = 1 ]; then
    wine reg add "$theme_key" /v DllName /t REG_SZ \
      /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
  fi
  wine reg add "$theme_key" /v ThemeActive /t REG_SZ /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
previous_theme=$(wine reg query "$theme_key" /v ThemeActive 2>/dev/null | tr -d '\r' |
  awk '/ThemeActive/ {print $3}')
trap 'set_theme "${previous_theme:-0}"; qn_release_display' EXIT
set_theme 1
shot QN2RUNWINDOWGallery gallery-themed "$build/Gallery.exe"
# Once more after pressing every property button (identifiers 1074 to 1083).
QN_SHOT_CLICKS="$(seq -s ' ' 1074 1083)" shot QN2RUNWINDOWGallery gallery-properties \
  "$build/Gallery.exe"
set_theme 0
shot QN2RUNWINDOWGallery gallery-classic "$build/Gallery.exe"
