# Finding the program's windows, for the tests of the real program on an X server (sourced by
# session.sh, after fail.sh).

# wait_for_window: waits up to thirty seconds for a viewable window captioned "KVIR v1.0" and sets
# $id to it; fails, with $id empty, when none comes. A start under the sanitizers on a machine
# busy with other builds took more than ten.
wait_for_window() {
  for _ in $(seq 300); do
    id=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "KVIR v1.0": .*/\1/p' | head -n 1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable && return 0
    sleep 0.1
  done
  id=""
  return 1
}

# wait_for_main_window: as wait_for_window, but fails the test when no window comes.
wait_for_main_window() {
  wait_for_window || fail "no window captioned \"KVIR v1.0\" came up"
}

# Captions are read as the window managers read them, from _NET_WM_NAME in UTF-8 (xwininfo does):
# the legacy WM_NAME, which xdotool's search reads, holds a Cyrillic caption in an encoding of the
# program's locale, unreadable in the POSIX locale of a fresh login.

# visible_windows: prints "ID<tab>CAPTION" for every viewable top-level window.
visible_windows() {
  xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": (.*/\1	\2/p' |
    while IFS="$(printf '\t')" read -r wid caption; do
      xwininfo -id "$wid" | grep -q IsViewable && printf '%s\t%s\n' "$wid" "$caption"
    done
}

# window_caption ID: prints the caption of window ID.
window_caption() {
  xwininfo -id "$1" | sed -n 's/^xwininfo: Window id: [^"]*"\(.*\)"$/\1/p'
}

# first_window CONDITION VALUE: prints the first visible window whose caption ($2 in the awk
# CONDITION) meets CONDITION with `value` set to VALUE, waiting up to thirty seconds for one (as
# wait_for_window: under the sanitizers on a busy machine ten were seen not to do); fails when
# none comes.
first_window() {
  for _ in $(seq 300); do
    found=$(visible_windows | awk -F '\t' -v value="$2" "$1 { print \$1; exit }")
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# window_matching PATTERN: the first visible window whose caption matches the extended regular
# expression PATTERN, as first_window finds it.
window_matching() { first_window '$2 ~ value' "$1"; }

# window_named TITLE: the first visible window captioned TITLE exactly, as first_window finds it.
window_named() { first_window '$2 == value' "$1"; }

# shows_at LEFT TOP PICTURE: waits up to five seconds until window $id shows the PNG file PICTURE
# with its top left corner at LEFT, TOP, comparing with the program $compare; prints the last
# comparison when it never does.
shows_at() {
  result=""
  for _ in $(seq 50); do
    result=$("$compare" "$id" "$1" "$2" "$3") && return 0
    sleep 0.1
  done
  echo "$result"
  return 1
}
