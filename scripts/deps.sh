#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs (only what is missing).
# Sourced or run by scripts/run and scripts/test.
set -euo pipefail

SV_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libqt6opengl6-dev qt6-declarative-dev qt6-charts-dev qt6-multimedia-dev
  qt6-speech-dev qt6-svg-dev qt6-speech-flite-plugin qt6-tools-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libmspack-dev zlib1g-dev libgtest-dev libbenchmark-dev libyaml-cpp-dev qtkeychain-qt6-dev libquazip1-qt6-dev
  sword-text-web sword-text-kjv diatheke
  xvfb xauth xdotool imagemagick sox
  at-spi2-core python3-pyatspi python3-dogtail dbus
  libreoffice-writer-nogui poppler-utils
  dpkg-dev file desktop-file-utils appstream
  clang-format
)

missing=()
for p in "${SV_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
