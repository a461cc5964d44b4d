#!/usr/bin/env bash
# The display and the Wine prefix of a script's Wine runs, set up in one call:
#   . scripts/display.sh
#   qn_wine_session BUILD_DIR virtual|user|as-is [KIND]
# virtual: a virtual X display of the script's own, whatever DISPLAY says.
# user:    the user's display when DISPLAY is set, where the desktop's window
#          manager manages Wine's windows; else a virtual display.
# as-is:   the display in DISPLAY, with the window management the prefix has;
#          else a virtual display.
# On a virtual display Wine's windows are not managed. The prefix, of the
# kind told (64 unless told; 32, 32-192 and the others of wine-prefix.sh),
# is the build folder's own. A virtual display is started once per script
# and stopped when the script ends; a script that sets an EXIT trap of its
# own calls qn_release_display in it.
qn_scripts_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
qn_xvfb_pid=""
qn_virtual_display=0

# Starts Xvfb, of QN_SCREEN_SIZE pixels (1280x1024 unless set), on the
# first free display number from 90 and waits until it
# accepts connections: an X server whose SIGUSR1 is ignored sends SIGUSR1 to
# its parent when ready, and again at every reset (when its last client
# leaves), which the script then passes over. A number another server took
# meanwhile makes this one end at once, and the next number is tried.
qn_start_virtual_display() {
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    qn_xvfb_ready=0
    trap 'qn_xvfb_ready=1' USR1
    (
      trap '' USR1
      exec Xvfb ":$n" -screen 0 "${QN_SCREEN_SIZE:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1
    ) &
    qn_xvfb_pid=$!
    for _ in $(seq 1 200); do
      [ "$qn_xvfb_ready" = 1 ] && break
      kill -0 "$qn_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    trap : USR1
    if [ "$qn_xvfb_ready" = 1 ]; then
      export DISPLAY=":$n"
      trap qn_release_display EXIT
      return 0
    fi
    qn_release_display
  done
  echo "No free display number for Xvfb" >&2
  return 1
}

qn_release_display() {
  if [ -n "$qn_xvfb_pid" ]; then
    kill "$qn_xvfb_pid" 2>/dev/null || true
    wait "$qn_xvfb_pid" 2>/dev/null || true
    qn_xvfb_pid=""
  fi
}

qn_wine_session() { # BUILD_DIR virtual|user|as-is [KIND]
  if [ "$qn_virtual_display" = 0 ]; then
    [ "$2" = virtual ] && unset DISPLAY
    if [ -z "${DISPLAY:-}" ]; then
      qn_virtual_display=1
      qn_start_virtual_display
    fi
  fi
  . "$qn_scripts_dir/wine-prefix.sh" "$1" "${3:-64}"
  if [ "$qn_virtual_display" = 1 ]; then
    qn_set_window_management off
  elif [ "$2" = user ]; then
    qn_set_window_management on
  fi
}
