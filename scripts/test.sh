#!/usr/bin/env bash
# Builds and runs every test: an optimised build, then the whole suite again under
# AddressSanitizer + UndefinedBehaviorSanitizer (clang), with the fuzz smoke runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DZYV_SANITIZE=ON -DZYV_FUZZ=ON -DZYV_BENCH=OFF >/dev/null
cmake --build build/asan
ctest --test-dir build/asan --output-on-failure -j "$jobs"
