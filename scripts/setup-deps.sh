#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; does nothing when all
# are present already, so it is safe to run before every build.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev libpng-dev
  fonts-liberation
  qt6-base-dev
  xvfb xauth xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
