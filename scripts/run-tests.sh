#!/usr/bin/env bash
# Installs what is missing, builds Velko and runs the whole test suite headless,
# then builds it again with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the suite once more; any sanitizer report fails the run.
# With --quick: the first run only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --timeout 900 -j "$(nproc)")
if [ "${1:-}" = "--quick" ]; then
  exit 0
fi
echo "Building and testing again with AddressSanitizer and UndefinedBehaviorSanitizer."
scripts/build.sh --sanitize
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
(cd build-sanitize && ctest --output-on-failure --timeout 1800 -j "$(nproc)")
