#!/usr/bin/env bash
# Runs one test in its own fresh HOME, XDG and temporary folders, so tests
# never share config.ini, log.txt, sockets or working files. With --xvfb the
# test gets an X server of its own; otherwise Qt draws offscreen.
set -u

use_xvfb=0
if [ "${1:-}" = "--xvfb" ]; then
  use_xvfb=1
  shift
fi

root=$(mktemp -d /tmp/portview-test.XXXXXX)
export HOME=$root/home
export XDG_CONFIG_HOME=$root/config
export XDG_DATA_HOME=$root/data
export XDG_CACHE_HOME=$root/cache
export XDG_RUNTIME_DIR=$root/runtime
export TMPDIR=$root/tmp
export PORTVIEW_TEST_ROOT=$root
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset PORTVIEW_SIMULATOR

xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT

if [ $use_xvfb -eq 1 ]; then
  # -displayfd reports the display number once the server accepts clients,
  # which avoids the races of picking a free number by hand.
  exec 3> "$root/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$root/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 200); do
    [ -s "$root/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$root/display" ]; then
    echo "isolated.sh: Xvfb did not start" >&2
    cat "$root/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$root/display")"
  export QT_QPA_PLATFORM=xcb
else
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi

"$@"
exit $?
