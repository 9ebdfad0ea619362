#!/bin/sh
# Packs the distribution folder as the user copies it to a floppy or a
# share: build/zembrafind-<version>.zip holds exactly the folder's files, at
# its top level, and zembrafind-<version>.sha256 beside it lists the SHA-256
# of the archive and of every file in it (check with sha256sum -c
# --ignore-missing, in the folder that holds what you have).
# Usage: make_release.sh DIST VERSION_FILE OUT
set -eu

if [ $# -ne 3 ]; then
    echo "usage: make_release.sh DIST VERSION_FILE OUT" >&2
    exit 2
fi
dist=$(cd "$1" && pwd)
version=$(cat "$2")
out=$(mkdir -p "$3" && cd "$3" && pwd)
name=zembrafind-$version
command -v zip >/dev/null 2>&1 || { echo "make_release: zip is missing (make setup)" >&2; exit 1; }

rm -f "$out/$name.zip" "$out/$name.sha256"
# -X: no extra file attributes, so that the archive depends on the files alone;
# -D: no folder entries; the names are the folder's own, in a fixed order.
(cd "$dist" && LC_ALL=C ls -1 | zip -q -X -D "$out/$name.zip" -@)
(cd "$out" && sha256sum "$name.zip") >"$out/$name.sha256"
(cd "$dist" && LC_ALL=C ls -1 | xargs -d '\n' sha256sum) >>"$out/$name.sha256"
echo "make_release: $out/$name.zip and $name.sha256"
