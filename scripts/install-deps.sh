#!/usr/bin/env bash
# Installs, through Debian's package manager, what building and testing need;
# does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32 wine64 fonts-wine fonts-liberation
  xvfb xauth locales
  googletest
)

need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_i386=1
fi

missing=()
for p in "${packages[@]}"; do
  arch_suffix=""
  [ "$p" = wine32 ] && arch_suffix=":i386"
  if ! dpkg-query -W -f='${Status}' "$p$arch_suffix" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p$arch_suffix")
  fi
done

if [ "$need_i386" = 0 ] && [ "${#missing[@]}" = 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" != 0 ]; then
  sudo_cmd=(sudo)
fi

if [ "$need_i386" = 1 ]; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
# One index that fails to download (a mirror in the middle of a sync) makes
# apt-get update fail although the others are fresh: try again, then go on
# with what was read; the install below fails if a package is really missing.
for attempt in 1 2 3; do
  "${sudo_cmd[@]}" apt-get update -qq && break
  echo "apt-get update failed (attempt $attempt)" >&2
  [ "$attempt" = 3 ] || sleep $((attempt * 10))
done
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
