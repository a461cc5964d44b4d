#!/usr/bin/env bash
# Display helpers: use the user's display, or start one virtual X display for
# a whole run and stop it afterwards.
qn_xvfb_pid=""
qn_virtual_display=0

qn_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  qn_virtual_display=1
  local n
  for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      qn_xvfb_pid=$!
      local i
      for i in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      export DISPLAY=":$n"
      return 0
    fi
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
