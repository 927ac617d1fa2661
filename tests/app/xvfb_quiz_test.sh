#!/bin/sh
# "Проверь себя" in the real program on an X server: xvfb_quiz_test.sh KVIR COMPARE RESOURCES
#   Started with --mode quiz on scheme 1, its three output lamps show the question mark and
#   neither level; a click on X0 (OUT00) shows the guess 0 there; Enter reveals every output, each
#   marked right or wrong with its level: X0 right with 0 or wrong with 1 beside the crossed-out
#   guess, the others missed, having no guess.
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool.
set -u
needs_xdotool=1
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
compare=$2
pictures=$3

# The output lamps of scheme 1 in the window: the scheme area lies at 0, 23.
lamp_x=520
lamp_y() {
  case $1 in OUT00) echo $((23 + 433)) ;; OUT01) echo $((23 + 327)) ;; OUT02) echo $((23 + 221)) ;; esac
}

# shows LAMP PICTURE…: whether the lamp shows one of the pictures (resources/PICTURE.png).
shows() {
  lamp=$1
  shift
  for picture in "$@"; do
    "$compare" "$id" "$lamp_x" "$(lamp_y "$lamp")" "$pictures/$picture.png" >/dev/null && return 0
  done
  return 1
}

# until_shows LAMP PICTURE…: waits up to five seconds for it.
until_shows() {
  for _ in $(seq 50); do
    shows "$@" && return 0
    sleep 0.1
  done
  return 1
}

"$kvir" --mode quiz >"$out" 2>&1 &
pid=$!
wait_for_main_window

for lamp in OUT00 OUT01 OUT02; do
  until_shows "$lamp" hidden || fail "$lamp does not show the question mark"
  ! shows "$lamp" bit0 bit1 || fail "$lamp shows a level before Enter"
done
echo "ok: the output lamps show the question mark and neither level"

xdotool mousemove --window "$id" $((lamp_x + 12)) $(($(lamp_y OUT00) + 12)) click 1 ||
  fail "xdotool could not click"
until_shows OUT00 guess0 || fail "a click on OUT00 did not show the guess 0"
echo "ok: a click on OUT00 shows the guess 0"

xdotool windowfocus --sync "$id" || fail "could not give the window the focus"
xdotool key Return || fail "xdotool could not type"
until_shows OUT00 right0 wrong1 || fail "Enter did not reveal OUT00 against the guess 0"
for lamp in OUT01 OUT02; do
  until_shows "$lamp" missed0 missed1 || fail "Enter did not reveal $lamp as unguessed"
done
echo "ok: Enter reveals every output lamp, right or wrong"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
