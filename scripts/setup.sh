#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Grimward, builds it, and then either starts the
# game ("run") or runs every test ("test").
#   scripts/setup.sh run    install what is missing, build (release), start the game
#   scripts/setup.sh test   install what is missing, build (dev), run all tests
set -euo pipefail

mode="${1:-run}"
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream libasio-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

case "$mode" in
run)
    cmake --preset release
    cmake --build --preset release --target grimward
    exec "$here/build/release/bin/grimward"
    ;;
test)
    cmake --preset dev
    cmake --build --preset dev
    QT_QPA_PLATFORM=offscreen ctest --preset dev
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
