#!/usr/bin/env bash
# Installs the Debian packages that building, testing, packaging and fuzzing need, when any is missing.
# The accessibility check reads the real window's tree through AT-SPI: python3-pyatspi, at-spi2-core's bus,
# dbus-run-session. Extra package names given as arguments are installed too (scripts/package.sh --lint asks for lintian).
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-serialport-dev
          libgtest-dev libgmock-dev xvfb xauth
          python3-pyatspi at-spi2-core dbus
          dpkg-dev file desktop-file-utils appstream man-db "$@")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
