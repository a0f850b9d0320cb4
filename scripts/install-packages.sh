#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is missing.
set -euo pipefail

packages=(
  cmake make python3
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  googletest
  wine64 xvfb xauth xdotool imagemagick fonts-wine
  locales fonts-wqy-microhei
  wixl msitools
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
