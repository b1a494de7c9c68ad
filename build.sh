#!/usr/bin/env bash
# Sets up Tavrin Budget on Debian 12 and then runs it or its tests.
#
#   ./build.sh run          install what is missing, build, create Data.mdb if there is none, start
#   ./build.sh test         the same set-up, then the whole test suite, headless
#   ./build.sh test long    the same with the long proofs (300 crash kills, millions of fuzz inputs)
#   ./build.sh package      the same set-up and build, then the Debian package (CPack) into build/
#   ./build.sh fuzz [SECS]  the libFuzzer targets built with clang, each run for SECS (default 120)
#
# An existing Data.mdb is never touched.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
run | test | package | fuzz) ;;
*)
    echo "usage: $0 run|test [long]|package|fuzz [seconds]" >&2
    exit 64
    ;;
esac

packages=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libgl-dev sqlite3 libsqlite3-dev
    poppler-utils libofx-dev libchm-dev fp-utils qt6-l10n-tools qt6-translations-l10n
    desktop-file-utils appstream)
# The package's dependencies are read from the programs' shared libraries by dpkg-shlibdeps.
[ "$mode" = package ] && packages+=(dpkg-dev file)
[ "$mode" = fuzz ] && packages+=(clang-14 libclang-rt-14-dev)
# The Excel export's test reads its files back through LibreOffice.
[ "$mode" = test ] && packages+=(libreoffice-calc-nogui)
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

if [ "$mode" = fuzz ]; then
    seconds=${2:-120}
    cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DBUDGET_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j"$(nproc)" --target fuzz_currency fuzz_ledger
    for target in currency ledger; do
        # The seeds stay as committed; what the fuzzer finds goes to a corpus of its own.
        work=build-fuzz/corpus-$target
        mkdir -p "$work"
        build-fuzz/bin/fuzz_$target -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
            "$work" fuzz/corpus/$target
    done
    exit 0
fi

long=OFF
[ "${2:-}" = long ] && long=ON
build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUDGET_LONG_PROOFS=$long >/dev/null
cmake --build "$build" -j"$(nproc)"

bin="$build/bin"
if [ ! -e "$bin/Data.mdb" ]; then
    "$bin/budget-createdb" "$bin/Data.mdb"
fi

if [ "$mode" = run ]; then
    exec "$bin/budget"
fi
if [ "$mode" = package ]; then
    (cd "$build" && cpack -G DEB)
    exit 0
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
