#!/usr/bin/env bash
# Takes PNG pictures of the Settings window in its three languages, and of
# the gallery with and without a visual style, on a virtual display, into
# build/screenshots/, for people to look at; and of the English Settings
# window and the styled gallery once more on screens of 144 and 192 DPI
# (NAME-144dpi.png, NAME-192dpi.png).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" >/dev/null
build="$top/build"
out="$build/screenshots"
mkdir -p "$out"
# A screen of 192 DPI has pixels enough for the gallery at that scale.
export QN_SCREEN_SIZE=${QN_SCREEN_SIZE:-3840x2160}
. "$top/scripts/display.sh"
install="$build/demo-install"
mkdir -p "$install/Bin"
cd "$install"
shot() { # CLASS NAME PROGRAM [LOCALE]
  env ${4:+LC_ALL=$4.UTF-8} wine "$build/tests/bin/window_shot.exe" "$1" "$out/$2.bmp" "$3"
  python3 "$top/scripts/bmp-to-png.py" "$out/$2.bmp" "$out/$2.png"
  rm -f "$out/$2.bmp"
  echo "$out/$2.png"
}

# The gallery is taken in Wine's own visual style and without any. The
# style is a setting of each prefix: the one every prefix used here had is
# put back afterwards.
theme_key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
set_theme() { # 1 | 0
  if [ "$1" = 1 ]; then
    wine reg add "$theme_key" /v DllName /t REG_SZ \
      /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
  fi
  wine reg add "$theme_key" /v ThemeActive /t REG_SZ /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
previous_themes=() # KIND THEME pairs, of the prefixes used so far
use_prefix() { # KIND: the Wine runs after it go to that prefix
  qn_wine_session "$build" virtual "$1"
  local previous
  previous=$(wine reg query "$theme_key" /v ThemeActive 2>/dev/null | tr -d '\r' |
    awk '/ThemeActive/ {print $3}')
  previous_themes+=("$1" "${previous:-0}")
}
put_back_themes() {
  local i
  for ((i = 0; i < ${#previous_themes[@]}; i += 2)); do
    qn_wine_session "$build" virtual "${previous_themes[i]}"
    set_theme "${previous_themes[i + 1]}"
  done
}

# The virtual display sets its own EXIT trap when it starts, in the first
# session; this one, set after it, stops it too.
use_prefix 64
trap 'put_back_themes; qn_release_display' EXIT
for language in en_US ca_ES es_ES; do
  shot QN2RUNWINDOWSettings "settings-$language" "$build/Settings.exe" "$language"
done
set_theme 1
shot QN2RUNWINDOWGallery gallery-themed "$build/Gallery.exe"
# Once more after pressing every property button (identifiers 1074 to 1083).
QN_SHOT_CLICKS="$(seq -s ' ' 1074 1083)" shot QN2RUNWINDOWGallery gallery-properties \
  "$build/Gallery.exe"
set_theme 0
shot QN2RUNWINDOWGallery gallery-classic "$build/Gallery.exe"

# The system DPI is a setting of the prefix (wine-prefix.sh), so each DPI
# is taken in a prefix of its own.
for dpi in 144 192; do
  use_prefix "32-$dpi"
  shot QN2RUNWINDOWSettings "settings-en_US-${dpi}dpi" "$build/Settings.exe" en_US
  set_theme 1
  shot QN2RUNWINDOWGallery "gallery-themed-${dpi}dpi" "$build/Gallery.exe"
done
