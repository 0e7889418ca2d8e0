#!/usr/bin/env bash
# Builds TARVIK (the default preset) and its Debian package, build/tarvik_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh default
cpack --config build/CPackConfig.cmake -B build
ls build/*.deb
