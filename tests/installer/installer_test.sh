#!/usr/bin/env bash
# Installs, upgrades and removes the test installers under Wine, in a prefix of
# their own: the service an install starts, and the Run value that starts it
# again at the next session, must not reach the other tests, which share one
# prefix and one pipe name. The prefix has its own wineserver, which the exit
# trap of wine-session.sh stops however the test ends.
#   installer_test.sh <folder of tvQ41-0.9.0.msi and tvQ41-1.0.0.msi> <prefix folder> <tvQ41Send.exe>
set -eEuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
installers=$(realpath "$1")
prefix=$(realpath -m "$2")
sender=$(realpath "$3")
source "$(dirname "$0")/../../scripts/wine-session.sh"
log=$installers/msiexec.log
product="tvQ41 printer notifications"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Each run starts from nothing installed. The prefix is kept between runs, but
# one that a run stopped halfway left the product in is made anew.
start_from_nothing_installed() {
  export WINEPREFIX=$prefix
  stop_wine_session
  if grep -qs -e "$product" -e "tvQ41 status service" "$prefix/user.reg" "$prefix/system.reg" ||
    compgen -G "$prefix/drive_c/users/*/AppData/Local/Programs/tvQ41" >/dev/null; then
    echo "An earlier run left the product installed: a new prefix."
    rm -rf "$prefix"
  fi
  start_wine_session "$prefix"
  local appdata
  appdata=$("$WINE64" cmd /c echo %LOCALAPPDATA% | tr -d '\r')
  install_dir_windows="$appdata\\Programs\\tvQ41"
  install_dir=$(realpath -m "$("$WINE64" winepath -u "$install_dir_windows" | tr -d '\r')")
  programs_folder_existed=no
  [ -d "$(dirname "$install_dir")" ] && programs_folder_existed=yes
  echo "Installing into $install_dir"
}

# msiexec <i|x> <version>: installs or removes that version, without UI.
msiexec() {
  local msi="$installers/tvQ41-$2.msi"
  "$WINE64" msiexec "/$1" "Z:${msi//\//\\}" /qn /l*v "Z:${log//\//\\}" >/dev/null 2>&1
}

install() { msiexec i "$1" || fail "msiexec /i tvQ41-$1.msi exited with $? (log: $log)"; }
uninstall() { msiexec x "$1" || fail "msiexec /x tvQ41-$1.msi exited with $? (log: $log)"; }

probe() {
  local status=0
  "$WINE64" "$sender" probe >/dev/null 2>&1 || status=$?
  echo "$status"
}

service_answers() { [ "$(probe)" = 0 ]; }

# wait_until <what failed> <command...>: gives the command 10 s to succeed.
wait_until() {
  local failure=$1
  shift
  for _ in $(seq 100); do
    "$@" && return
    sleep 0.1
  done
  fail "$failure"
}

# The Linux processes of the status services running in this prefix (other
# tests run theirs in the shared one).
service_processes() {
  local pid
  for pid in $(pgrep -x tvSer.exe || true); do
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
      echo "$pid"
    fi
  done
}

# reg_query <key> <options...>: what reg prints, nothing for a key that is not there.
reg_query() { "$WINE64" reg query "$@" 2>/dev/null | tr -d '\r' || true; }

run_value() {
  reg_query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "tvQ41 status service" |
    sed -n 's/^ *tvQ41 status service *REG_SZ *//p'
}

# The DisplayVersion of each Add/Remove Programs entry of the product, one a
# line. Windows keeps a per-user product's entry under HKCU; Wine's msiexec
# writes it under HKLM, so both are read.
listed_versions() {
  local root
  for root in HKCU HKLM; do
    reg_query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s
  done | awk -v product="$product" '
    function entry_ends() { if (ours) print version }
    /^HKEY_/ { entry_ends(); ours = 0; version = "(none)" }
    $1 == "DisplayName" { name = $0; sub(/^ *DisplayName +REG_SZ +/, "", name); ours = (name == product) }
    $1 == "DisplayVersion" { version = $3 }
    END { entry_ends() }'
}

expect_installed() {
  local step=$1 version=$2 program
  for program in tvSer.exe tvQ41Box.exe tvQ41Send.exe; do
    [ -f "$install_dir/$program" ] || fail "$step: $program is not in $install_dir"
  done
  local expected="\"$install_dir_windows\\tvSer.exe\""
  [ "$(run_value)" = "$expected" ] || fail "$step: the Run value is '$(run_value)', not $expected"
  [ "$(listed_versions)" = "$version" ] ||
    fail "$step: Add/Remove Programs lists version(s) '$(listed_versions | paste -sd ' ')', not just $version"
  # Registered for this user alone, not for the machine.
  reg_query 'HKCU\Software\Microsoft\Installer\Products' /s | grep -q "ProductName *REG_SZ *$product\$" ||
    fail "$step: the product is not registered as installed for this user"
  wait_until "$step: no service answers within 10 s" service_answers
  echo "ok: $step"
}

expect_removed() {
  local step=$1
  [ "$(probe)" = 3 ] || fail "$step: tvQ41Send probe exits $(probe), not 3: a service still listens"
  [ ! -e "$install_dir" ] || fail "$step: $install_dir is still there: $(ls "$install_dir")"
  [ $programs_folder_existed = yes ] || [ ! -e "$(dirname "$install_dir")" ] ||
    fail "$step: the Programs folder the install created is still there"
  [ -z "$(run_value)" ] || fail "$step: the Run value is still there"
  [ -z "$(listed_versions)" ] || fail "$step: Add/Remove Programs still lists the product"
  echo "ok: $step"
}

# The package itself asks for no elevation (word count bit 8): Wine runs every
# install with full rights, so only the package can show it.
expect_no_elevation() {
  local word_count
  word_count=$(msiinfo suminfo "$installers/tvQ41-1.0.0.msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
  (( word_count & 8 )) || fail "the package asks for elevation (word count ${word_count:-missing})"
  echo "ok: the package asks for no elevation"
}

install_and_remove() {
  install 1.0.0
  expect_installed "install 1.0.0" 1.0.0
  # A new session, as at the next logon, starts the service from the Run value.
  stop_wine_session
  start_wine_session "$prefix"
  wait_until "a new session did not start the service from the Run value" service_answers
  echo "ok: a new session starts the service"
  # The service can write its report beside itself, and the uninstall takes it away.
  "$WINE64" "$sender" newconnect >/dev/null 2>&1 || fail "tvQ41Send newconnect exited with $?"
  wait_until "the service wrote no box.ini into $install_dir" test -f "$install_dir/box.ini"
  uninstall 1.0.0
  expect_removed "uninstall"
}

upgrade() {
  install 0.9.0
  expect_installed "install 0.9.0" 0.9.0
  local before after
  before=$(service_processes)
  install 1.0.0
  expect_installed "upgrade to 1.0.0" 1.0.0
  # The old service was stopped before its files were replaced, and the new one started.
  after=$(service_processes)
  [ "$(echo "$after" | wc -w)" = 1 ] && [ "$after" != "$before" ] ||
    fail "upgrade: service processes were '$before', are '$after': not one new service"
  echo "ok: the upgrade replaced the running service"
  if msiexec i 0.9.0; then fail "installing 0.9.0 over 1.0.0 succeeded"; fi
  [ "$(listed_versions)" = 1.0.0 ] || fail "installing 0.9.0 over 1.0.0 changed what is listed"
  echo "ok: an older version does not replace a newer one"
  # Nothing listening when the uninstall stops the service is normal.
  "$WINE64" "$install_dir/tvQ41Send.exe" exit >/dev/null 2>&1 || fail "tvQ41Send exit exited with $?"
  uninstall 1.0.0
  expect_removed "uninstall with the service stopped"
}

expect_no_elevation
start_from_nothing_installed
install_and_remove
upgrade
