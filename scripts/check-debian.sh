#!/usr/bin/env bash
# check-debian.sh [SUITE]: tries the README's two commands as a newcomer would, on a minimal Debian
# of that release made afresh with debootstrap (bookworm = Debian 12, the default; trixie = Debian
# 13): it clones this checkout's committed HEAD into the new root, runs the test command, then the
# run command under xvfb-run with --first-paint-exit. Needs root (debootstrap, chroot, mounts) and
# Debian's package mirror; takes 10 to 20 minutes. The logs stay in build-debian-SUITE/.
# Exit status: 0 both commands pass, 1 a command fails, 3 no Debian root could be made.
set -u
cd "$(dirname "$0")/.." || exit 3
suite=${1:-bookworm}
logs=$PWD/build-debian-$suite
mkdir -p "$logs" || exit 3
[ "$(id -u)" -eq 0 ] || { echo "check-debian.sh: run it as root (sudo)" >&2; exit 3; }
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null 2>&1 ||
    { echo "check-debian.sh: debootstrap cannot be installed" >&2; exit 3; }
fi

work=$(mktemp -d /var/tmp/kvir-debian.XXXXXX) || exit 3
root=$work/root
# Unmounts everything inside the root, then deletes it, but only once nothing is mounted there:
# a /dev still bound inside must never be deleted.
cleanup() {
  for _ in 1 2 3 4 5; do
    umount -R "$root/dev" 2>/dev/null
    umount "$root/proc" "$root/sys" 2>/dev/null
    grep -q " $root/" /proc/mounts || break
    sleep 2
  done
  if grep -q " $root/" /proc/mounts; then
    echo "check-debian.sh: $root is still mounted; left in place" >&2
  else
    rm -rf --one-file-system "$work"
  fi
}
trap cleanup EXIT

mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
echo "Debian $suite: making a minimal root (debootstrap)"
if ! debootstrap --variant=minbase "$suite" "$root" ${mirror:+"$mirror"} >"$logs/debootstrap.log" 2>&1
then
  echo "check-debian.sh: debootstrap failed (see $logs/debootstrap.log)" >&2
  exit 3
fi
mount -t proc proc "$root/proc" && mount --rbind /dev "$root/dev" && mount -t sysfs sys "$root/sys" ||
  exit 3
git clone -q . "$root/root/kvir" || exit 3

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /root/kvir && $1"
}
test_cmd=$(grep -m1 -oE 'bash scripts/test\.sh' README.md)
run_cmd=$(grep -m1 -oE 'bash scripts/run\.sh' README.md)
status=0
echo "Debian $suite: $test_cmd"
if in_root "$test_cmd" >"$logs/test.log" 2>&1; then
  grep -E 'tests passed|tests failed' "$logs/test.log" | sed 's/^/  /'
else
  status=1
  grep -E 'error:|E: |\(Failed\)|tests passed|tests failed' "$logs/test.log" | head -n 20 | sed 's/^/  /'
fi
echo "Debian $suite: xvfb-run -a $run_cmd --first-paint-exit"
if ! in_root "xvfb-run -a $run_cmd --first-paint-exit" >"$logs/run.log" 2>&1; then
  status=1
  tail -n 5 "$logs/run.log" | sed 's/^/  /'
fi
if [ "$status" -eq 0 ]; then
  echo "fresh Debian $suite: both README commands pass"
else
  echo "fresh Debian $suite: a README command fails (logs in $logs)"
fi
exit "$status"
