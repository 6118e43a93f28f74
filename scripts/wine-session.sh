#!/usr/bin/env bash
# Sourced: starts Xvfb (when there is no display) and a persistent wineserver
# for a throw-away or given WINEPREFIX, and stops both on exit.
#   TW_PREFIX   prefix folder (default: a new temporary one, removed at the end)

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
tw_tmp_prefix=""
if [ -n "${TW_PREFIX:-}" ]; then
  export WINEPREFIX="$TW_PREFIX"
else
  tw_tmp_prefix=$(mktemp -d /tmp/tarnwicket-wine.XXXXXX)
  export WINEPREFIX="$tw_tmp_prefix"
fi
mkdir -p "$WINEPREFIX"

tw_xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number itself and tells us through a pipe.
  tw_fd_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$tw_fd_file" 2>/dev/null &
  tw_xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$tw_fd_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$tw_fd_file")"
  rm -f "$tw_fd_file"
fi

tw_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$tw_xvfb_pid" ] && kill "$tw_xvfb_pid" 2>/dev/null || true
  [ -n "$tw_tmp_prefix" ] && rm -rf "$tw_tmp_prefix"
  true
}
trap tw_wine_stop EXIT

# One persistent server for the whole session: every Wine process below
# (prefix creation included) uses it, so nothing waits for it to wind down.
wineserver -p </dev/null >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating Wine prefix in $WINEPREFIX ..."
  timeout 180 wineboot --init </dev/null >/dev/null 2>&1 || true
  # There is no window manager under Xvfb: let Wine draw the window frames.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
fi
# Start Wine's background services now, detached from our output, so that no
# test's output pipe is held open by them.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
