# Sourced by the run and test scripts: a Wine prefix of the project's own, an X
# display (Xvfb unless one is given) and one persistent wineserver.
#   start_wine_session <prefix-folder>    stop_wine_session

WINE64=/usr/lib/wine/wine64
WINESERVER64=/usr/lib/wine/wineserver64
SCRIPTS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export WINEDEBUG=-all
# No .NET or HTML engine installers: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

started_xvfb_pid=""

free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo ":$n"; return; }
  done
  echo "no free X display number" >&2
  return 1
}

start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${TVQ41_FORCE_XVFB:-}" ]; then return; fi
  DISPLAY=$(free_display)
  export DISPLAY
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
  started_xvfb_pid=$!
  local socket="/tmp/.X11-unix/X${DISPLAY#:}"
  for _ in $(seq 100); do [ -S "$socket" ] && return; sleep 0.05; done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# A new prefix: crash dialogs off (a crashing program would hang headless),
# a virtual desktop (a window close on a bare X server waits 2 s for a window
# manager that is not there), real fonts, and a CJK fallback for Chinese text.
prepare_prefix() {
  [ -f "$WINEPREFIX/.tvq41-ready" ] && return
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINE64" wineboot -i >/dev/null 2>&1
  "$WINESERVER64" -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  ln -sf /usr/share/wine/fonts/*.ttf "$fonts/"
  ln -sf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
  "$WINESERVER64" -p
  wine_reg 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
  wine_reg 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
  wine_reg 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ 1024x768
  # Wine draws the GUI font with Tahoma; Chinese glyphs fall back to WenQuanYi.
  wine_reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' Tahoma \
    REG_MULTI_SZ 'wqy-microhei.ttc,WenQuanYi Micro Hei'
  # As on Windows, .exe files are "exefile", whose icon is the file's own:
  # without it the shell gives every program a blank document icon.
  wine_reg 'HKCR\.exe' '' REG_SZ exefile
  "$WINESERVER64" -k
  "$WINESERVER64" -w
  touch "$WINEPREFIX/.tvq41-ready"
}

# wine_reg <key> <value name, empty for the default value> <type> <data>
wine_reg() {
  local name=(/v "$2")
  [ -z "$2" ] && name=(/ve)
  "$WINE64" reg add "$1" "${name[@]}" /t "$3" /d "$4" /f >/dev/null 2>&1
}

# Everything it starts is stopped again when the calling script ends.
start_wine_session() {
  trap stop_wine_session EXIT
  export WINEPREFIX=$1
  start_display
  prepare_prefix
  # Debian's wineserver wrapper adds -p0, so the server would quit after every
  # program; one persistent server, warmed up by wineboot, saves ~3 s a program.
  "$WINESERVER64" -p
  "$WINE64" wineboot >/dev/null 2>&1
  # Wine closes an idle virtual desktop, after which every popup is slower.
  local keeper="$SCRIPTS_DIR/../build/x64/bin/wine_desktop_keeper.exe"
  if [ -f "$keeper" ]; then "$WINE64" "$keeper" >/dev/null 2>&1 & fi
}

stop_wine_session() {
  "$WINESERVER64" -k 2>/dev/null || true
  "$WINESERVER64" -w 2>/dev/null || true
  if [ -n "$started_xvfb_pid" ]; then
    kill "$started_xvfb_pid" 2>/dev/null || true
    wait "$started_xvfb_pid" 2>/dev/null || true
  fi
}
