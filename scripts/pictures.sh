#!/usr/bin/env bash
# pictures.sh BUILD_DIR OUT_DIR [KVIR_HTML] [--only window|phone|worksheet]: draws the README's
# three pictures from the program itself into OUT_DIR:
#   window.png     1024 × 768  BUILD_DIR/kvir under Xvfb (openbox where installed), scheme 8 after
#                              a press from the keyboard, captured with ImageMagick's import;
#   phone.png       390 × 844  KVIR_HTML (default build-web/kvir.html) in headless Chromium on a
#                              phone's screen with touch, after a tap; skipped, saying so, where
#                              the page is not built;
#   worksheet.png   662 × 936  the first page of `kvir-cli exam --format pdf`, by pdftoppm.
# Each is quantised to a palette, so that it stays small enough to commit. Exit status: 0 when
# every picture asked for is made, 77 when the only one asked for is the page and it is not built,
# 1 on a failure. To refresh the committed pictures:
#   bash scripts/pictures.sh build-release docs/pictures build-web/kvir.html
set -euo pipefail

usage() {
  echo "usage: pictures.sh BUILD_DIR OUT_DIR [KVIR_HTML] [--only window|phone|worksheet]" >&2
  exit 2
}
root=$(cd "$(dirname "$0")/.." && pwd)

# ImageMagick 6 is `convert`, 7 is `magick`.
im() {
  if command -v magick >/dev/null; then magick "$@"; else convert "$@"; fi
}

# small PNG OUT: PNG written as an 8-bit palette image of at most 128 colours, without the
# time stamps that would make each run's file differ.
small() {
  im "$1" -strip -dither None -colors 128 -define png:exclude-chunks=date,time "PNG8:$2"
}

wants() { [ -z "$only" ] || [ "$only" = "$1" ]; }

window_picture() {
  [ -x "$build/kvir" ] || { echo "pictures.sh: no program at $build/kvir" >&2; return 1; }
  KVIR_XVFB_SCREEN=1024x768x24 sh "$root/tests/xvfb/with_xvfb.sh" \
    bash "$0" --inside-x "$work" "$build/kvir" "$work/window-full.png"
  small "$work/window-full.png" "$out/window.png"
}

phone_picture() {
  # Debian's own python3, whichever comes first on the PATH: python3-selenium is its.
  local python=/usr/bin/python3
  [ -x "$python" ] || python=python3
  "$python" - "$page" "$work/phone-full.png" <<'EOF'
import base64, sys, tempfile
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

page, shot = sys.argv[1:3]
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9",
                 "--no-first-run", "--disable-background-networking", "--lang=ru"):
    options.add_argument(argument)
with tempfile.TemporaryDirectory() as profile:
    options.add_argument("--user-data-dir=" + profile)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        cdp = driver.execute_cdp_cmd
        cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
        cdp("Emulation.setDeviceMetricsOverride",
            {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
        driver.get("file://" + page + "#scheme=6&press=IN00&view=clear")
        WebDriverWait(driver, 60).until(
            lambda d: d.execute_script("return document.body.dataset.ready") == "true")
        # A finger on input button IN02, as a student's tap.
        button = driver.find_element(By.CSS_SELECTOR, 'button.ind[data-name="IN02"]')
        x, y = driver.execute_script(
            "const r = arguments[0].getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2];", button)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        WebDriverWait(driver, 30).until(lambda d: "IN02" in d.current_url)
        driver.execute_script("window.scrollTo(0, 0); document.activeElement.blur();")
        png = cdp("Page.captureScreenshot", {"format": "png"})["data"]
        with open(shot, "wb") as f:
            f.write(base64.b64decode(png))
    finally:
        driver.quit()
EOF
  im "$work/phone-full.png" -resize 390x844! "$work/phone-390.png"
  small "$work/phone-390.png" "$out/phone.png"
}

worksheet_picture() {
  printf 'Иванова Анна\n' >"$work/students.txt"
  "$build/cli/kvir-cli" exam --format pdf --students "$work/students.txt" --count 4 --seed 3 \
    --kinds outputs -o "$work/sheets.pdf" >/dev/null
  pdftoppm -png -f 1 -l 1 -r 80 -singlefile "$work/sheets.pdf" "$work/worksheet-full"
  small "$work/worksheet-full.png" "$out/worksheet.png"
}

# On the X server with_xvfb.sh started: openbox where installed, the program with settings of
# its own, scheme 8 chosen in the list and its first input button pressed from the keyboard,
# then the screen once it has settled.
inside_x() {
  local kvir=$1 shot=$2 wm="" pid
  export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
  if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
  fi
  "$kvir" >"$work/kvir.log" 2>&1 &
  pid=$!
  local id=""
  for _ in $(seq 300); do
    id=$(env LC_ALL=C.UTF-8 xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "KVIR v1.0": .*/\1/p' | head -n 1)
    [ -n "$id" ] && env LC_ALL=C.UTF-8 xwininfo -id "$id" | grep -q IsViewable && break
    id=""
    sleep 0.1
  done
  [ -n "$id" ] || { echo "pictures.sh: the window did not come; kvir said:" >&2; cat "$work/kvir.log" >&2; return 1; }
  settled "$work/start.png"
  # The list has the focus: seven steps down is scheme 8; Tab, Tab is its first input button.
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  xdotool key --delay 30 Down Down Down Down Down Down Down Tab Tab space
  settled "$shot" "$work/start.png"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  [ -z "$wm" ] || kill "$wm" 2>/dev/null
}

# settled SHOT [DIFFERENT_FROM]: captures the screen until two captures in a row are the same
# (and differ from DIFFERENT_FROM where given), for up to thirty seconds; fails when it never
# settles.
settled() {
  local previous="$work/previous.png" current="$work/current.png"
  rm -f "$previous"
  for _ in $(seq 150); do
    import -silent -window root "$current"
    if [ -f "$previous" ] && cmp -s <(im "$previous" RGB:-) <(im "$current" RGB:-) &&
      { [ -z "${2:-}" ] || ! cmp -s <(im "$2" RGB:-) <(im "$current" RGB:-); }; then
      mv "$current" "$1"
      return 0
    fi
    mv "$current" "$previous"
    sleep 0.2
  done
  echo "pictures.sh: the screen did not settle" >&2
  return 1
}

# Run again by with_xvfb.sh: pictures.sh --inside-x WORK_DIR KVIR SHOT.
if [ "${1:-}" = "--inside-x" ]; then
  work=$2
  inside_x "$3" "$4"
  exit 0
fi

only=""
positional=()
while [ $# -gt 0 ]; do
  case "$1" in
    --only) [ $# -ge 2 ] || usage; only=$2; shift 2 ;;
    -*) usage ;;
    *) positional+=("$1"); shift ;;
  esac
done
if [ ${#positional[@]} -lt 2 ] || [ ${#positional[@]} -gt 3 ]; then usage; fi
case "$only" in "" | window | phone | worksheet) ;; *) usage ;; esac
build=$(cd "${positional[0]}" && pwd)
mkdir -p "${positional[1]}"
out=$(cd "${positional[1]}" && pwd)
page=$(realpath -m "${positional[2]:-$root/build-web/kvir.html}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if wants window; then window_picture; fi
if wants worksheet; then worksheet_picture; fi
if wants phone; then
  if [ -f "$page" ]; then
    phone_picture
  else
    echo "pictures.sh: no page at $page (bash scripts/web.sh builds it): phone.png is not made"
    [ "$only" = phone ] && exit 77
  fi
fi
exit 0
