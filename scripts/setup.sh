#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (when missing), then configures and builds
# one CMake preset: ./scripts/setup.sh [default|ci|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

packages=(cmake ninja-build g++ ccache clang-format qt6-base-dev libqt6serialport6-dev fonts-dejavu-core
          fonts-wqy-microhei xvfb xauth
          # the package and the checks of the installed tree
          dpkg-dev desktop-file-utils appstream groff-base)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
