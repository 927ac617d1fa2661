#!/bin/sh
# The truth-table window in the real program on an X server:
#   xvfb_truthtable_test.sh KVIR KVIR-CLI CLIPBOARD-TEXT
# Twelve Downs in the list choose scheme 13; Ctrl+T opens "Таблица истинности" beside the main
# window; Ctrl+C there puts `kvir-cli table 13 --csv` on the clipboard as tab-separated text,
# read back by another client (kvir-clipboard-text).
# Runs itself again on an X server of its own (with_xvfb.sh). Skipped (exit 77) without xdotool.
set -u
needs_xdotool=1
. "$(dirname "$0")/../xvfb/session.sh"
kvir=$1
cli=$2
clipboard=$3

# The window whose title is $1, once it is on the screen; empty when none comes up.

"$cli" table 13 --csv | tr ',' '\t' >"$dir/expected" || fail "kvir-cli table failed"
"$kvir" >"$out" 2>&1 &
pid=$!
main=$(window_named "KVIR v1.0")
[ -n "$main" ] || fail "no window captioned \"KVIR v1.0\" came up"
xdotool windowfocus --sync "$main" || fail "could not give the main window the focus"
for _ in $(seq 12); do xdotool key --delay 50 Down || fail "xdotool could not type"; done
xdotool key ctrl+t || fail "xdotool could not type"
table=$(window_named "Таблица истинности")
[ -n "$table" ] || fail "Ctrl+T brought up no window captioned \"Таблица истинности\""
echo "ok: Ctrl+T opened the truth table"

xdotool windowfocus --sync "$table" || fail "could not give the table the focus"
xdotool key ctrl+c || fail "xdotool could not type"
for _ in $(seq 50); do
  "$clipboard" >"$dir/copied" 2>/dev/null && cmp -s "$dir/copied" "$dir/expected" && break
  sleep 0.1
done
cmp -s "$dir/copied" "$dir/expected" || {
  diff "$dir/expected" "$dir/copied" | head -n 20 >&2
  fail "the clipboard does not hold kvir-cli table 13 --csv with tabs"
}
echo "ok: Ctrl+C copied kvir-cli table 13 --csv as tab-separated text"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
