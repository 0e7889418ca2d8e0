#!/usr/bin/env bash
# Builds TARVIK and starts the desktop program on a simulated controller (MODEL=vx20|vx40|vx60|vx80).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh default
exec build/app/tarvik --simulate="${MODEL:-vx40}" "$@"
