# wait_for_window: for the tests of the real program on an X server, sourced by them. Waits up to
# ten seconds for a viewable window captioned "KVIR v1.0" and sets $id to it; fails, with $id
# empty, when none comes.
wait_for_window() {
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "KVIR v1.0": .*/\1/p' | head -n 1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable && return 0
    sleep 0.1
  done
  id=""
  return 1
}
