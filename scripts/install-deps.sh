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

sudo_cmd=()
if [ "$(id -u)" != 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

# One index that fails to download (a mirror in the middle of a sync) makes
# apt-get update fail although the others are fresh: try again, then go on
# with what was read; an install fails if a package is really missing.
apt_update() {
  local attempt
  for attempt in 1 2 3; do
    "${sudo_cmd[@]}" apt-get update -qq && return 0
    echo "apt-get update failed (attempt $attempt)" >&2
    [ "$attempt" = 3 ] || sleep $((attempt * 10))
  done
}

# An x86-64 kernel may be booted with its 32-bit personality off
# (ia32_emulation=0): then no 32-bit program starts, Wine's 32-bit loader
# among them. There 32-bit programs run on QEMU's user-mode emulator,
# registered with the kernel for i386 programs. The emulator is the one of
# the release's backports: the release's own maps memory so slowly that
# every Wine process takes minutes to start.
i386_runs() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
emulate_i386() {
  i386_runs && return 0
  local codename qemu=/usr/bin/qemu-i386
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  if ! dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || echo 0)" ge 1:8; then
    echo "32-bit programs do not start here: installing QEMU's user-mode emulator" >&2
    echo "deb http://deb.debian.org/debian $codename-backports main" |
      "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/quenlo-backports.list >/dev/null
    apt_update
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends -t "$codename-backports" qemu-user-static >/dev/null
  fi
  # wine-prefix.sh builds a small 32-bit library for the emulated processes.
  command -v gcc >/dev/null || "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends gcc >/dev/null
  local binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc $binfmt
  [ -e $binfmt/qemu-i386 ] && echo -1 | "${sudo_cmd[@]}" tee $binfmt/qemu-i386 >/dev/null
  # An i386 ELF executable or shared object; F opens the emulator now, so
  # that it is found inside any root, C runs set-user-ID programs as such.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':FC' |
    "${sudo_cmd[@]}" tee $binfmt/register >/dev/null
  i386_runs || { echo "32-bit programs still do not start" >&2; return 1; }
}

if [ "$need_i386" = 0 ] && [ "${#missing[@]}" = 0 ]; then
  emulate_i386
  exit 0
fi

if [ "$need_i386" = 1 ]; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

echo "Installing: ${missing[*]}" >&2
apt_update
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
emulate_i386
