#!/usr/bin/env bash
# The install target: files in their places, valid desktop entry and
# metainfo, the installed programs answer --version and --help, the installed
# sample bank passes the bank check, and a first start works.
set -euo pipefail
build=$1
here=$(dirname "$0")
. "$here/first-start.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

for f in bin/velko bin/velko-bank bin/velko-users bin/velko-report \
         share/velko/Velko.sqlite share/velko/velko.ini share/velko/pictures/3000.jpg \
         share/applications/ch.velko_trainer.Velko.desktop share/metainfo/ch.velko_trainer.Velko.metainfo.xml \
         share/icons/hicolor/scalable/apps/velko.svg share/icons/hicolor/48x48/apps/velko.png \
         share/icons/hicolor/256x256/apps/velko.png \
         share/man/man1/velko.1 share/man/man1/velko-bank.1 share/man/man1/velko-users.1 \
         share/man/man1/velko-report.1; do
  [ -e "$prefix/$f" ] || fail "$f not installed"
done
desktop-file-validate "$prefix/share/applications/ch.velko_trainer.Velko.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/ch.velko_trainer.Velko.metainfo.xml"
for page in velko velko-bank velko-users velko-report; do
  man -l "$prefix/share/man/man1/$page.1" 2>&1 > /dev/null | grep . && fail "manual page $page has problems"
done

"$prefix/bin/velko" --version | grep -qx "Velko 2.0.0" || fail "velko --version"
"$prefix/bin/velko" --help | grep -q -- "--ini" || fail "velko --help"
set +e
"$prefix/bin/velko" --no-such-option 2> "$prefix/err.txt"; status=$?
set -e
[ "$status" -eq 2 ] && grep -q "Usage:" "$prefix/err.txt" || fail "an unknown option must give the usage and status 2"
for tool in velko-bank velko-users velko-report; do
  "$prefix/bin/$tool" --version | grep -q "2.0.0" || fail "$tool --version"
  "$prefix/bin/$tool" --help > /dev/null || fail "$tool --help"
done
"$prefix/bin/velko-bank" check "$prefix/share/velko/Velko.sqlite" --pictures "$prefix/share/velko/pictures"

first_start_check "$prefix/bin/velko" "$prefix/share/velko"
echo "install check passed"
