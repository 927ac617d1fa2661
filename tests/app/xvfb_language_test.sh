#!/bin/sh
# The windows' language in the real program on an X server: xvfb_language_test.sh KVIR
#   A click on the help button opens the help window titled "KVIR - Help" with --lang en or an
#   English choice kept in the settings, and "KVIR - Помощь" when started plainly, even in an
#   English locale. Shift+F1 typed into the main window opens "KVIR - О схеме"; Ctrl+Shift+L then
#   switches that window to "KVIR - About the scheme" at once, and the next plain start is English.
# Runs itself again on an X server of its own (with_xvfb.sh); the settings live in a folder of
# their own, never the user's.
set -u
needs_xdotool=1
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1

# Waits up to 10 s for a window titled exactly $1 and sets $found to it; fails naming $2.
wait_for() {
  found=$(window_named "$1") ||
    fail "no window \"$1\" came up: $2"
}

# start_kvir [ENV…] -- [KVIR OPTION…]: starts kvir with the environment given and waits for its
# main window ($main); $started says how it was started.
start_kvir() {
  env_args=""
  while [ "$1" != "--" ]; do env_args="$env_args $1"; shift; done
  shift
  started="$env_args kvir $*"
  # shellcheck disable=SC2086  # the environment words are meant to split
  env $env_args "$kvir" "$@" >"$out" 2>&1 &
  pid=$!
  wait_for "KVIR v1.0" "for: $started"
  main=$found
}

stop_kvir() {
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=""
}

# help_title_is TITLE [ENV…] -- [KVIR OPTION…]: starts kvir with the environment given, clicks
# the help button until a help window comes up, and wants it titled TITLE.
help_title_is() {
  want=$1
  shift
  start_kvir "$@"
  help=""
  # A click that comes before the window takes clicks is lost: click again after a second.
  for _ in $(seq 30); do
    # The help button: 75 × 19 at 744, 0 of the client area.
    xdotool mousemove --window "$main" 781 9 click 1
    for _ in $(seq 10); do
      help=$(visible_windows | awk -F '\t' '$2 ~ /^KVIR - / { print $1; exit }')
      [ -n "$help" ] && break 2
      sleep 0.1
    done
  done
  [ -n "$help" ] || fail "no help window came up for: $started"
  got=$(window_caption "$help")
  [ "$got" = "$want" ] || fail "help window titled \"$got\", want \"$want\" for: $started"
  stop_kvir
  echo "ok: \"$want\" for:$started"
}

help_title_is "KVIR - Help" -- --lang en
help_title_is "KVIR - Помощь" LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en --
mkdir -p "$XDG_CONFIG_HOME/kvir"
printf '[General]\nlanguage=en\n' >"$XDG_CONFIG_HOME/kvir/kvir.conf"
help_title_is "KVIR - Help" --
help_title_is "KVIR - Помощь" -- --lang ru

rm -f "$XDG_CONFIG_HOME/kvir/kvir.conf"
start_kvir --
xdotool windowfocus --sync "$main" && xdotool key shift+F1 ||
  fail "xdotool could not type"
wait_for "KVIR - О схеме" "after Shift+F1"
xdotool windowfocus --sync "$main" && xdotool key ctrl+shift+l ||
  fail "xdotool could not type"
wait_for "KVIR - About the scheme" "after Ctrl+Shift+L"
stop_kvir
echo "ok: Shift+F1 opened \"KVIR - О схеме\", Ctrl+Shift+L switched it to English"
help_title_is "KVIR - Help" --
