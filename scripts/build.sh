#!/usr/bin/env bash
# Configures and builds Velko (program, tools, demo data, tests) into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > build-configure.log 2>&1 || { cat build-configure.log; exit 1; }
cmake --build build --parallel "$(nproc)"
