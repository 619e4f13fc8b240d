#!/usr/bin/env bash
# Builds the application and its demo folder (help document, CFGZYV.cfg on the simulated bench
# "SIMUL", sample studies in Fichiers), then starts the application in that folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zyv zyv-dossier-demo
cd build/release/demo
exec ../zyv
