#!/usr/bin/env bash
# Twenty workstations grading at once, on a SQLite file and on a PostgreSQL
# server started for the run (durable commits on both: fsync on).
# Usage: scripts/run-benchmarks-concurrency.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
state=$(mktemp -u "${TMPDIR:-/tmp}/velko-bench-pg.XXXXXX")
trap '"$here/pg-test-server.sh" stop "$state"' EXIT
PG_TEST_FSYNC=on "$here/pg-test-server.sh" start "$state"
socket=$(sed -n 1p "$state"); port=$(sed -n 2p "$state"); user=$(sed -n 3p "$state")
psql -q -h "$socket" -p "$port" -U "$user" -d postgres -c "CREATE DATABASE velko_bench"
"$build/bin/bench_concurrent_grading" sqlite "postgresql:///velko_bench?host=$socket&port=$port&user=$user"
