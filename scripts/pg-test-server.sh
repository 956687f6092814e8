#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests and benchmarks.
#
#   pg-test-server.sh start STATE   initialises a cluster in a new temporary
#                                   directory, starts it on a Unix socket in
#                                   that directory and writes the connection
#                                   to the file STATE (socket directory, port,
#                                   user on separate lines)
#   pg-test-server.sh stop STATE    stops that server and removes its directory
#
# The tests run it with fsync off (PG_TEST_FSYNC=on for durable commits, as
# the benchmarks want).
#
# The server refuses to run as root: under root the cluster belongs to the
# "postgres" system user and is run through runuser.
set -euo pipefail

command=${1:-}
state=${2:-}
if [ -z "$command" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATEFILE" >&2
  exit 2
fi

bindir=${PG_BINDIR:-}
if [ -z "$bindir" ]; then
  for d in /usr/lib/postgresql/*/bin; do
    [ -x "$d/pg_ctl" ] && bindir=$d
  done
fi
if [ "$command" = start ] && { [ -z "$bindir" ] || [ ! -x "$bindir/pg_ctl" ]; }; then
  echo "pg-test-server: no PostgreSQL server found (install Debian's postgresql package)" >&2
  exit 1
fi

as_owner=()
owner=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  if ! id postgres >/dev/null 2>&1; then
    echo "pg-test-server: running as root, but there is no postgres system user to run the server" >&2
    exit 1
  fi
  as_owner=(runuser -u postgres --)
  owner=postgres
fi

stop_server() {
  local dir=$1
  if [ -f "$dir/data/postmaster.pid" ] && [ -x "$bindir/pg_ctl" ]; then
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
}

case "$command" in
start)
  if [ -f "$state" ]; then
    # A server left over from an interrupted run.
    stop_server "$(sed -n 1p "$state")"
    rm -f "$state"
  fi
  dir=$(mktemp -d "${TMPDIR:-/tmp}/velko-pg.XXXXXX")
  chmod 755 "$dir"
  [ "$owner" = postgres ] && chown postgres: "$dir"
  port=5432
  if ! "${as_owner[@]}" "$bindir/initdb" -D "$dir/data" -U "$owner" -A trust -E UTF8 --locale=C.UTF-8 \
      >"$dir/initdb.log" 2>&1; then
    echo "pg-test-server: initdb failed:" >&2
    cat "$dir/initdb.log" >&2
    rm -rf "$dir"
    exit 1
  fi
  if ! "${as_owner[@]}" "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-k $dir -c listen_addresses= -p $port -c max_connections=200 -c fsync=${PG_TEST_FSYNC:-off}" start >/dev/null; then
    echo "pg-test-server: the server did not start:" >&2
    cat "$dir/server.log" >&2 || true
    rm -rf "$dir"
    exit 1
  fi
  printf '%s\n%s\n%s\n' "$dir" "$port" "$owner" >"$state"
  echo "pg-test-server: PostgreSQL running on $dir (port $port, user $owner)"
  ;;
stop)
  if [ -f "$state" ]; then
    stop_server "$(sed -n 1p "$state")"
    rm -f "$state"
  fi
  ;;
*)
  echo "usage: $0 start|stop STATEFILE" >&2
  exit 2
  ;;
esac
