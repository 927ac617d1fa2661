# Sourced first by every test of the real program on an X server, with the test's arguments still
# in "$@": runs the test again on an X server of its own (with_xvfb.sh). There it sets up what
# every such test needs: $dir, a temporary folder removed at the end; $out, for the program's
# output; $pid, for the program's process; a settings folder of its own, so that no setting of the
# user's (the clear view, a language) reaches the program; Qt's X11 platform; and the functions of
# fail.sh and window.sh, with xwininfo in a UTF-8 locale. A test that sets needs_xdotool=1
# first is skipped (exit 77) without xdotool.
xvfb_scripts=$(dirname "$0")/../xvfb
if [ -z "${KVIR_XVFB_INNER:-}" ]; then
  if [ -n "${needs_xdotool:-}" ] && ! command -v xdotool >/dev/null; then
    echo "SKIP: no xdotool"
    exit 77
  fi
  KVIR_XVFB_INNER=1 exec sh "$xvfb_scripts/with_xvfb.sh" sh "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
# xwininfo prints captions in the caller's locale: in the POSIX locale of a fresh login it cannot
# print a Cyrillic one. It alone runs in C.UTF-8; the program keeps the caller's locale.
xwininfo() { env LC_ALL=C.UTF-8 xwininfo "$@"; }
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
out="$dir/out"
: >"$out"
pid=""
XDG_CONFIG_HOME="$dir/config"
export XDG_CONFIG_HOME
. "$xvfb_scripts/fail.sh"
. "$xvfb_scripts/window.sh"
