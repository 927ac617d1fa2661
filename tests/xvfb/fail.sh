# fail MESSAGE…: for the tests of the real program on an X server, sourced by them. Prints why the
# test failed, the program's output (the file named by $out) and the windows the X server has,
# ends the program ($pid, if set) and the test.
fail() {
  echo "FAIL: $*" >&2
  echo "--- the program's output:" >&2
  sed 's/^/  /' "$out" >&2
  echo "--- what the X server on $DISPLAY had:" >&2
  xwininfo -root -tree 2>&1 | sed 's/^/  /' >&2
  [ -z "${pid:-}" ] || kill "$pid" 2>/dev/null
  exit 1
}
