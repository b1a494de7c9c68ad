#!/usr/bin/env bash
# Sets up Tavrin Budget on Debian 12 and then runs it or its tests.
#
#   ./build.sh run    install what is missing, build, create Data.mdb if there is none, start
#   ./build.sh test   the same set-up, then the whole test suite, headless
#
# An existing Data.mdb is never touched.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 64
    ;;
esac

packages=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libgl-dev sqlite3 libsqlite3-dev
    poppler-utils libofx-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

bin="$build/bin"
if [ ! -e "$bin/Data.mdb" ]; then
    "$bin/budget-createdb" "$bin/Data.mdb"
fi

if [ "$mode" = run ]; then
    exec "$bin/budget"
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
