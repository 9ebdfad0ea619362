#!/bin/sh
# Installs what building and testing need, from Debian's packages; quick when
# everything is already there, so every make target can call it first.
set -e

need=""
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for pkg in cmake g++ make python3 googletest libgtest-dev libgmock-dev clang clang-format \
           libclang-rt-14-dev g++-mingw-w64-i686 binutils-mingw-w64-i686 \
           g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 \
           wine wine32:i386 wine64 xvfb xauth xdotool imagemagick wamerican zip; do
    have_pkg "$pkg" || need="$need $pkg"
done

[ -z "$need" ] && exit 0

if [ "$(id -u)" != 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
echo "setup: installing$need"
case "$need" in
    *:i386*) $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $need >/dev/null
