# The window manager and its frames, for the tests of the program on a projector's 1024 × 768
# screen (sourced after session.sh).

# start_openbox: starts openbox and waits until it manages the screen; sets $wm to its process,
# killed at the end. Returns 1, with $wm empty, where openbox is not installed.
start_openbox() {
  wm=""
  command -v openbox >/dev/null || return 1
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  trap '[ -z "$wm" ] || kill "$wm" 2>/dev/null; rm -rf "$dir"' EXIT
}

# The frame openbox put around window $1: "LEFT RIGHT TOP BOTTOM" (zeros without one).
frame_of() {
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
  echo "${extents:-0 0 0 0}"
}

# "X Y WIDTH HEIGHT" of window $1 on the screen, its frame included.
framed() {
  set -- "$1" $(frame_of "$1")
  xwininfo -id "$1" | awk -v l="$2" -v r="$3" -v t="$4" -v b="$5" '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { print x - l, y - t, w + l + r, h + t + b }'
}

# Whether window $1 lies, frame included, inside the 1024 × 768 screen.
inside_screen() {
  framed "$1" | awk '{ exit !($1 >= 0 && $2 >= 0 && $1 + $3 <= 1024 && $2 + $4 <= 768) }'
}

# settle ID: waits until window ID's frame, place and size have stayed the same for a second of
# looks (a frame that comes or a fit that moves it starts the count again); 1 when they never do.
settle() {
  settled=0
  last=""
  for _ in $(seq 300); do
    now="$(frame_of "$1") $(framed "$1")"
    if [ "$now" = "$last" ]; then
      settled=$((settled + 1))
      [ "$settled" -ge 10 ] && return 0
    else
      settled=0
    fi
    last=$now
    sleep 0.1
  done
  return 1
}
