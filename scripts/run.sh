#!/usr/bin/env bash
# Builds TARVIK and reads the current state and status of a simulated controller.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh default
sim_output=$(mktemp)
build/sim/tarvik-sim --model "${MODEL:-vx40}" --system "${SYSTEM:-24}" >"$sim_output" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; rm -f "$sim_output"' EXIT
for _ in $(seq 50); do
    [ -s "$sim_output" ] && break
    sleep 0.1
done
device=$(head -n 1 "$sim_output")
echo "Simulated controller on $device"
build/cli/tarvik-cli --port "$device" read status "$@"
