#!/bin/sh
# The command line of kvir with no display at all: no_display_test.sh KVIR
#   --help and --version print and end with 0; a wrong option or argument prints one line on
#   standard error and ends with 2. None of them may reach for a window system. The settings
#   (a kept language) come from a folder of the test's own.
set -u
kvir=$1
out=$(mktemp) err=$(mktemp)
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$out" "$err" "$XDG_CONFIG_HOME"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# run EXPECTED_CODE ARG...: kvir with ARGs and no display, its output in $out and $err.
run() {
  expected=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$kvir" "$@" >"$out" 2>"$err"
  code=$?
  [ "$code" -eq "$expected" ] || fail "kvir $*: exit code $code, expected $expected; $(cat "$err")"
}

for option in --help -h; do
  run 0 "$option"
  head -n 1 "$out" | grep -qx 'Использование: kvir \[ПАРАМЕТР\]' || fail "$option: no usage line"
  grep -q -- '--first-paint-exit' "$out" || fail "$option: --first-paint-exit not described"
  [ ! -s "$err" ] || fail "$option wrote to standard error: $(cat "$err")"
done

run 0 --lang en --help
head -n 1 "$out" | grep -qx 'Usage: kvir \[OPTION\]' || fail "--lang en --help: no usage line"

for option in --version -v; do
  run 0 "$option"
  [ "$(cat "$out")" = "kvir 1.0" ] || fail "$option printed: $(cat "$out")"
done

# Qt's own options are left for QApplication, so they do not count as wrong.
run 0 -platform offscreen --version
[ "$(cat "$out")" = "kvir 1.0" ] || fail "-platform offscreen --version printed: $(cat "$out")"

run 2 --lang de
[ "$(cat "$err")" = "kvir: неизвестный язык «de»; допустимы ru, en" ] ||
  fail "kvir --lang de printed: $(cat "$err")"

for wrong in --bogus -x extra --first-paint-exit=yes; do
  run 2 "$wrong"
  [ ! -s "$out" ] || fail "kvir $wrong wrote to standard output"
  [ "$(wc -l <"$err")" -eq 1 ] || fail "kvir $wrong: not one line: $(cat "$err")"
  grep -q '^kvir: .*--help' "$err" || fail "kvir $wrong: the message lists no option: $(cat "$err")"
  grep -qF -- "${wrong%=*}" "$err" || fail "kvir $wrong: the message does not name it: $(cat "$err")"
done
echo "ok: --help, --version and wrong options without a display"
