#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the system under Wine: the status
# service in a folder of its own, a scripted series of events posted with the
# event sender, the popups they bring up (in English, then in Chinese under
# code page 936) saved as screenshots, and what "box.ini" holds after each.
# Uses the display in DISPLAY when one is set, else a virtual one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots="$root/out/screenshots"
installed="$root/out/installed"

"$root/scripts/setup.sh"
source "$root/scripts/wine-session.sh"
start_wine_session "$root/build/wine-prefix"

rm -rf "$installed" "$shots"
mkdir -p "$installed" "$shots"
# The 64-bit build: this machine cannot run the shipped 32-bit programs.
cp "$root/build/x64/bin/tvSer.exe" "$root/build/x64/bin/tvQ41Box.exe" "$installed/"
sender="$root/build/x64/bin/tvQ41Send.exe"

desktop_window() { xdotool search --name "Wine desktop" 2>/dev/null | head -n 1 || true; }

# shot <name>: the whole desktop, and the popup in its bottom-right corner.
shot() {
  sleep 1
  local window
  window=$(desktop_window)
  import -window "${window:-root}" "$shots/$1-desktop.png"
  convert "$shots/$1-desktop.png" -gravity SouthEast -crop 280x80+0+0 +repage "$shots/$1.png"
  echo "  saved $shots/$1.png"
}

post() {
  echo "> tvQ41Send $*"
  "$WINE64" "$sender" "$@"
}

# box.ini is written in the ANSI code page of the service.
report_encoding=CP1252
show_report() {
  echo "  box.ini:"
  iconv -f "$report_encoding" -t UTF-8 <"$installed/box.ini" | tr -d '\r' | sed 's/^/    /'
}

run_service() {
  "$WINE64" "$installed/tvSer.exe" &
  service=$!
  for _ in $(seq 100); do
    "$WINE64" "$sender" probe >/dev/null 2>&1 && return
    sleep 0.1
  done
  echo "the service did not start" >&2
  return 1
}

echo "== English (ANSI code page 1252)"
run_service
post connect "Office Label";        show_report; shot english-connect
post labelmore "Office Label";      show_report; shot english-labelmore
post newconnect;                    show_report; shot english-newconnect
post closeNewDev
echo "  (antifake reports TYPE only: its popup keeps the last printer name written)"
post antifake "Warehouse 2";        show_report; shot english-antifake
post exit
wait "$service"

echo "== Chinese (ANSI code page 936)"
export LC_ALL=zh_CN.UTF-8
report_encoding=GBK
run_service
post connect "标签打印机";          show_report; shot chinese-connect
post dpi "标签打印机";              show_report; shot chinese-dpi
post newconnect;                    shot chinese-newconnect
post exit
wait "$service"

echo "Screenshots are in $shots"
