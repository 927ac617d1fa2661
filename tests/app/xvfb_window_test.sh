#!/bin/sh
# The real program on an X server: xvfb_window_test.sh KVIR CLOSER
#   The window comes up as "KVIR v1.0", 820 × 688 and fixed so, centred on a 1280 × 1024 screen;
#   closed through its close message, the program ends with exit code 0. With --first-paint-exit
#   it ends by itself with exit code 0.
# Runs itself again on an X server of its own (with_xvfb.sh beside it). A failure prints why:
# the program's own output and the windows the X server had.
set -u
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
closer=$2

# The id of the top-level window captioned "KVIR v1.0".
find_window() {
  xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "KVIR v1.0": .*/\1/p' | head -n 1
}

# "WIDTHxHEIGHT+X+Y" of a window once it is mapped, else nothing.
mapped_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } /Map State: IsViewable/ { up = 1 }
    END { if (up) printf "%sx%s+%s+%s\n", w, h, x, y }'
}

timeout 20 "$kvir" --first-paint-exit >"$out" 2>&1
code=$?
[ "$code" -eq 0 ] || fail "--first-paint-exit ended with exit code $code"
echo "ok: --first-paint-exit ends with 0"

"$kvir" >"$out" 2>&1 &
pid=$!
id=""
geometry=""
for _ in $(seq 300); do
  [ -n "$id" ] || id=$(find_window)
  [ -n "$id" ] && geometry=$(mapped_geometry "$id")
  [ -n "$geometry" ] && break
  sleep 0.1
done
[ -n "$geometry" ] || { fail "no window captioned \"KVIR v1.0\" came up"; }
echo "window $id $geometry"
[ "$geometry" = "820x688+230+168" ] || { fail "geometry $geometry, want 820x688+230+168"; }
# The window manager is told the size is fixed: no edge to drag, nothing to maximize to.
hints=$(xprop -id "$id" WM_NORMAL_HINTS)
for size in minimum maximum; do
  echo "$hints" | grep -q "program specified $size size: 820 by 688" ||
    fail "the window manager is not told a $size size of 820 × 688: $hints"
done

"$closer" "$id" || { fail "could not send the close message"; }
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  fail "the program did not end after its window was closed"
fi
wait "$pid"
code=$?
pid=""
[ "$code" -eq 0 ] || fail "ended with exit code $code after the close"
echo "ok: caption, size, centred; exit code 0 after the close"
