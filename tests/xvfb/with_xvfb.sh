#!/bin/sh
# with_xvfb.sh COMMAND [ARG…]: runs COMMAND on an X server of its own (Xvfb, 1280 × 1024 × 24, or
# the screen KVIR_XVFB_SCREEN names, as 2000x1600x24) and exits with its exit code.
# The server chooses a free display number itself (-displayfd), so runs side by side never share
# or race for one, as `xvfb-run -a` can. Local clients need no cookie: the server listens on its
# Unix socket only. -noreset: a command that starts one client after another would otherwise
# find the server resetting, and refusing connections, each time the last one has gone.
set -u
dir=$(mktemp -d) || exit 1
Xvfb -displayfd 3 -screen 0 "${KVIR_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$dir/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
display=$(head -n 1 "$dir/display" 2>/dev/null)
if [ -z "$display" ]; then
  echo "with_xvfb.sh: Xvfb did not start; it said:" >&2
  sed 's/^/  /' "$dir/xvfb.log" >&2
  kill "$xvfb" 2>/dev/null
  rm -rf "$dir"
  exit 1
fi
# Without a session bus the program's accessibility bridge has libdbus start one, forking from a
# threaded process: under AddressSanitizer the child was seen to hang there now and then (about
# 1 start in 75), and the window never came. A bus that cannot be reached makes it give up at once.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/no-session-bus"
  export DBUS_SESSION_BUS_ADDRESS
fi
DISPLAY=":$display" "$@"
code=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$dir"
exit "$code"
