#!/bin/sh
# Fills the distribution folder with install.exe and the twelve files it
# copies, every one built by the project.
# Usage: make_dist.sh NATIVE_BUILD WIN32_BUILD DIST
set -eu

if [ $# -ne 3 ]; then
    echo "usage: make_dist.sh NATIVE_BUILD WIN32_BUILD DIST" >&2
    exit 2
fi
native=$1
win32=$2
dist=$3
root=$(cd "$(dirname "$0")/.." && pwd)

fail() {
    echo "make_dist: $*" >&2
    exit 1
}

need() {
    [ -f "$1" ] || fail "$1 is missing ($2)"
}

# Programs of the Windows build.
for program in install.exe zfw32.exe uninstzfw.exe; do
    need "$win32/$program" "run make win32"
done

# Sounds and picture: drawn by the Windows build, or here if it has not yet.
generated=$win32/generated
if [ ! -f "$generated/type.wav" ] || [ ! -f "$generated/whoosh.wav" ]; then
    python3 "$root/tools/make_sounds.py" "$generated"
fi
if [ ! -f "$generated/target.gif" ]; then
    python3 "$root/tools/make_gif.py" "$generated"
fi

maker=$native/installer/zf_make_initial_data
need "$maker" "run make native"

rm -rf "$dist"
mkdir -p "$dist"
cp "$win32/install.exe" "$win32/zfw32.exe" "$win32/uninstzfw.exe" "$dist/"

# The product's version, as CMake's project version gave it to the build;
# the pages and texts carry it where they say "@VERSION@".
need "$win32/generated/version.txt" "run make win32"
version=$(cat "$win32/generated/version.txt")
stamp() {
    sed "s/@VERSION@/$version/g" "$1" >"$2"
}

# The help pages ship under the names the installer's list gives them.
help=$root/resources/help
stamp "$help/zfhelp.htm" "$dist/Zfhelp.htm"
stamp "$help/zfqs.htm" "$dist/Zfqs.htm"
stamp "$help/zfqsf.htm" "$dist/Zfqsf.htm"
stamp "$help/zfwother.htm" "$dist/zfwother.htm"

# Line ends as Windows 95's Notepad needs them.
for text in readme.txt license.txt; do
    sed "s/@VERSION@/$version/g; s/\r*\$/\r/" "$root/resources/text/$text" >"$dist/$text"
done
cp "$generated/type.wav" "$generated/whoosh.wav" "$generated/target.gif" "$dist/"

# The initial data file: the program's own save of a new store. The "+"
# tells the installer never to replace a data file the user already has.
"$maker" "$dist/+data.dat" || fail "the initial data file could not be written"

count=$(ls -1 "$dist" | wc -l)
[ "$count" -eq 13 ] || fail "expected install.exe and 12 files in $dist, found $count"
echo "make_dist: $dist holds install.exe and the 12 files it installs"
