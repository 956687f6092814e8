#!/usr/bin/env bash
# Configures and builds Velko (program, tools, demo data, tests) into ./build.
# With --sanitize: a separate build in ./build-sanitize with AddressSanitizer
# and UndefinedBehaviorSanitizer, without the benchmark programs.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  options+=(-DVELKO_SANITIZE=ON -DVELKO_BUILD_BENCHMARKS=OFF)
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" > "$dir-configure.log" 2>&1 || { cat "$dir-configure.log"; exit 1; }
cmake --build "$dir" --parallel "$(nproc)"
