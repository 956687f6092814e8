#!/usr/bin/env bash
# Installs what is missing, builds Velko and starts it on the bundled demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/velko "$@"
fi
echo "No display found: starting Velko on a virtual display (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/velko "$@"
