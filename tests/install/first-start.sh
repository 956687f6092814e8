# Shared by the installation checks: starts an installed velko as a new user
# with a fresh home directory, lets it reach the login screen, and checks what
# its first start set up. Usage: first_start_check <velko program> <data dir>
first_start_check() {
  local program=$1 share=$2
  local home
  home=$(mktemp -d)
  mkdir -p "$home/tmp"
  chmod 700 "$home/tmp"
  set +e
  echo 2468 | env -i PATH="$PATH" HOME="$home" TEMP="$home/tmp" QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$home/tmp" timeout 8 "$program" --admin-password-stdin
  local status=$?
  set -e
  # Still running after 8 s means it came up and waited for the user.
  [ "$status" -eq 124 ] || fail "velko ended with status $status instead of running"
  [ -f "$home/.config/velko/velko.ini" ] || fail "no user settings written"
  grep -qx "DB_PATH=$share/" "$home/.config/velko/velko.ini" || fail "the settings do not name the sample bank"
  [ -f "$home/.local/share/velko/Users.sqlite" ] || fail "no user database created"
  local log="$home/tmp/velko.log"
  grep -q "Program Config Path : $home/.config/velko/velko.ini" "$log" || fail "the log does not name the settings file"
  grep -q "DB Path : $share/" "$log" || fail "the sample bank was not opened"
  grep -q "User DB Path : $home/.local/share/velko/" "$log" || fail "the user database was not opened"
  if grep -qi "error" "$log"; then cat "$log"; fail "the log reports an error"; fi
  rm -rf "$home"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
