#!/usr/bin/env bash
# Wine environment of the project: private prefixes under the build folder,
# never the user's own ~/.wine. Source it with the build folder and the kind
# of prefix (64: a 64-bit Windows 10 system, 32: a 32-bit-only one; 32-144,
# 32-192: 32-bit-only ones on a screen of 144 or 192 dots per inch):
#   . scripts/wine-prefix.sh BUILD_DIR [64|32|32-DPI|64-DPI]
# It exports the variables every Wine run of the project uses and creates
# the prefix on first use.

qn_build_dir=$(cd "$1" && pwd)
qn_kind=${2:-64}

# A kind is the system's word size, and after a dash the screen's dots per
# inch when they are not Windows' default of 96 (32-192: a 32-bit-only
# system on a screen of 192 DPI). The system DPI is a setting of the prefix
# that every program reads at its start, so each DPI has a prefix of its
# own. The scripts use 32-bit-only ones for it: the programs are 32-bit, and
# such a prefix installs one set of system files instead of two.
case "$qn_kind" in
  64 | 32) qn_dpi="" ;;
  32-[1-9]*[0-9] | 64-[1-9]*[0-9]) qn_dpi=${qn_kind#*-} ;;
  *) qn_dpi=bad ;;
esac
if [ "${qn_dpi//[0-9]/}" != "" ]; then
  echo "wine-prefix.sh: unknown kind of prefix '$qn_kind' (64, 32, 32-DPI, 64-DPI)" >&2
  return 2
fi
export WINEPREFIX="$qn_build_dir/wine/prefix$qn_kind"
if [ "${qn_kind%%-*}" = 32 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
export WINEDEBUG=${WINEDEBUG:--all}
# The menu builder would write launchers and MIME types into the Linux
# desktop for every shortcut and association; Mono and Gecko are not needed.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Wine links the prefix's user folders to the home folder's; a home inside
# the build folder keeps even a re-created link away from the real one.
export HOME="$qn_build_dir/wine/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME"

# Where 32-bit programs run on QEMU's user-mode emulator (install-deps.sh
# sets that up on a kernel that cannot run them), every Wine process
# preloads a library that gives faults back the trap numbers the emulator
# leaves out, by which Wine tells an access violation from an illegal
# instruction (emulator/fault_trap.c). The dynamic loader's $LIB names the
# 32-bit copy in 32-bit processes and an empty one in the 64-bit ones.
if grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
  qn_trap_dir="$qn_build_dir/emulator"
  qn_trap_source="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/emulator/fault_trap.c"
  if [ ! "$qn_trap_dir/lib/i386-linux-gnu/qn_fault_trap.so" -nt "$qn_trap_source" ]; then
    mkdir -p "$qn_trap_dir/lib/i386-linux-gnu" "$qn_trap_dir/lib/x86_64-linux-gnu"
    # Built beside and renamed, so that a process started meanwhile finds
    # either no library or a whole one.
    gcc -m32 -O2 -fPIC -shared -nostdlib -fno-stack-protector -o "$qn_trap_dir/.trap32.$$" \
      "$qn_trap_source"
    gcc -x c -shared -nostdlib -o "$qn_trap_dir/.trap64.$$" /dev/null
    mv -f "$qn_trap_dir/.trap64.$$" "$qn_trap_dir/lib/x86_64-linux-gnu/qn_fault_trap.so"
    mv -f "$qn_trap_dir/.trap32.$$" "$qn_trap_dir/lib/i386-linux-gnu/qn_fault_trap.so"
  fi
  case " ${LD_PRELOAD:-} " in
    *qn_fault_trap.so*) ;;
    *) export LD_PRELOAD="$qn_trap_dir/\$LIB/qn_fault_trap.so${LD_PRELOAD:+ $LD_PRELOAD}" ;;
  esac
fi

qn_make_user_folders_plain() {
  local users="$WINEPREFIX/drive_c/users"
  local d
  for d in "$users"/*/* "$users"/*/AppData/*; do
    if [ -L "$d" ]; then
      rm -f "$d"
      mkdir -p "$d"
    fi
  done
}

# What the project sets in a prefix; a new revision configures existing
# prefixes again.
qn_prefix_revision=4

qn_configure_prefix() {
  wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win10 /f >/dev/null 2>&1
  # A crashing program ends instead of waiting in Wine's debugger, which
  # needs someone at its console: the debugger named here does not exist.
  local view
  for view in 32 64; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
      /t REG_SZ /d no-debugger /f /reg:$view >/dev/null 2>&1 || true
  done
  # The system DPI: Wine takes it from the user's LogPixels, else from the
  # machine's font settings of the current hardware profile, where Windows
  # keeps it; both say the same so that neither can disagree.
  if [ -n "$qn_dpi" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$qn_dpi" /f \
      >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
      /v LogPixels /t REG_DWORD /d "$qn_dpi" /f >/dev/null 2>&1
  fi
  wineserver -w
  qn_make_user_folders_plain
  echo "$qn_prefix_revision" >"$WINEPREFIX/.project-prefix-ready"
}

qn_create_prefix() {
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  qn_configure_prefix
}

if [ "$(cat "$WINEPREFIX/.project-prefix-ready" 2>/dev/null)" != "$qn_prefix_revision" ]; then
  mkdir -p "$qn_build_dir/wine"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.project-prefix-ready" ]; then
      echo "Creating the Wine prefix $WINEPREFIX" >&2
      rm -rf "$WINEPREFIX"
      qn_create_prefix
    elif [ "$(cat "$WINEPREFIX/.project-prefix-ready")" != "$qn_prefix_revision" ]; then
      qn_configure_prefix
    fi
  ) 9>"$qn_build_dir/wine/.lock-$qn_kind"
fi
# A Wine update may re-create the links; make sure they stay plain folders.
qn_make_user_folders_plain

# Without a window manager (a virtual display) Wine waits two seconds for
# every managed window it hides; unmanaged windows do not wait. On a real
# display the window manager manages them as usual.
qn_set_window_management() { # on | off
  local current=Y
  grep -A3 '^\[Software\\\\Wine\\\\X11 Driver\]' "$WINEPREFIX/user.reg" 2>/dev/null |
    grep -q '"Managed"="N"' && current=N
  if [ "$1" = off ] && [ "$current" = Y ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
  elif [ "$1" = on ] && [ "$current" = N ]; then
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
    wineserver -w
  fi
}
