#!/usr/bin/env bash
# Builds the application and starts it in the demo folder, on the simulated bench.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zyv
mkdir -p demo
cd demo
exec ../build/release/zyv
