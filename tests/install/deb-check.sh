#!/usr/bin/env bash
# The Debian package: built with cpack, with the programs, the data and the
# desktop files inside and the dependencies named. As root in CI it is also
# installed with dpkg and started as a new user would start it.
set -euo pipefail
build=$1
version=$2
here=$(dirname "$0")
. "$here/first-start.sh"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; fail "cpack"; }
deb="$out/velko_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"

dpkg-deb -I "$deb" > "$out/info.txt"
for dep in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core; do
  grep -E "^ Depends:.*\b$dep\b" "$out/info.txt" > /dev/null || fail "the package does not depend on $dep"
done
grep -q "^ Maintainer: " "$out/info.txt" || fail "no maintainer"
grep -q "^ Description: " "$out/info.txt" || fail "no description"
dpkg-deb -c "$deb" > "$out/contents.txt"
for f in ./usr/bin/velko ./usr/bin/velko-bank ./usr/bin/velko-users ./usr/share/velko/Velko.sqlite \
         ./usr/share/applications/ch.velko_trainer.Velko.desktop ./usr/share/icons/hicolor/scalable/apps/velko.svg; do
  grep -q " $f\$" "$out/contents.txt" || fail "$f is not in the package"
done

if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = "true" ]; then
  dpkg -i "$deb" > /dev/null
  first_start_check /usr/bin/velko /usr/share/velko
  echo "package installed and started"
else
  echo "package inspected (installed only as root in CI)"
fi
echo "package check passed"
