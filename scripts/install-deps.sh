#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages hmdx needs to build, test and run. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6dbus6 qt6-charts-dev libqt6opengl6-dev
    libqt6svg6
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool trayer imagemagick python3
    clang clang-format libclang-rt-14-dev shellcheck
    desktop-file-utils appstream dpkg-dev debhelper lintian devscripts man-db systemd
    libsystemd-dev libcap-dev libcap2-bin
    prometheus prometheus-node-exporter
    dbus-daemon dunst at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
