#!/usr/bin/env bash
# Numlet's set-up on Debian 12, run as root (or with sudo rights):
#   bash setup.sh run    installs what is missing, builds and starts the program
#   bash setup.sh test   installs what is missing, builds and runs the whole test suite headless
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
run | test) ;;
*)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-charts-dev
    libqt6opengl6-dev libgl-dev
    libjpeg62-turbo-dev fonts-liberation2 fonts-urw-base35 fonts-dejavu-core
    qt6-translations-l10n # Qt's own texts (message box buttons, dialogs) in Czech
    qt6-tools-dev qt6-l10n-tools) # lupdate and lrelease: the English catalogue
if [ "$mode" = run ]; then
    packages+=(xvfb xauth) # for a start without a display
else
    # xvfb and x11-utils: one test reads the real window's caption from a virtual X server;
    # poppler-utils: the printing tests read their PDF files back with pdfinfo and pdftotext.
    packages+=(libmuparser-dev clang libclang-rt-14-dev xvfb xauth x11-utils desktop-file-utils
        appstream dpkg-dev poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)

if [ "$mode" = run ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMLET_BUILD_TESTS=OFF \
        -DNUMLET_BUILD_BENCH=OFF
    cmake --build build -j "$jobs" --target numlet
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting Numlet on a virtual screen (xvfb-run)." >&2
        exec xvfb-run -a -s "-screen 0 1280x800x24" ./build/numlet
    fi
    exec ./build/numlet
fi

# Tests: the full suite, then the installation with its desktop files checked, and the Debian
# package; the expression engine's tests with a 64-bit long double; short runs of the fuzzers;
# then the whole suite again under the address and undefined-behaviour sanitizers.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMLET_BUILD_TESTS=ON \
    -DNUMLET_BUILD_BENCH=ON
cmake --build build -j "$jobs"
ctest --test-dir build --no-tests=error --output-on-failure -j "$jobs"

prefix=$(mktemp -d)
cmake --install build --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/cz.numlet.Numlet.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/cz.numlet.Numlet.metainfo.xml"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    test -s "$prefix/share/icons/hicolor/$size/apps/cz.numlet.Numlet.png"
done
test -s "$prefix/share/icons/hicolor/scalable/apps/cz.numlet.Numlet.svg"
test -x "$prefix/bin/numlet"
rm -rf "$prefix"
(cd build && rm -f numlet_*.deb && cpack -G DEB >/dev/null && dpkg-deb --field numlet_*.deb Package Version Depends)

# Where long double is double (MSVC) the engine must give the same exact results; g++ on x86
# can build it so.
case "$(uname -m)" in
x86_64 | i?86)
    cmake -S . -B build-ld64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMLET_EVALUATOR_ONLY=ON \
        -DCMAKE_CXX_FLAGS=-mlong-double-64
    cmake --build build-ld64 -j "$jobs"
    ctest --test-dir build-ld64 --no-tests=error --output-on-failure -j "$jobs"
    ;;
esac

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DNUMLET_BUILD_FUZZ=ON \
    -DNUMLET_BUILD_TESTS=OFF -DNUMLET_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_evaluator fuzz_worksheet fuzz_profile
fuzz_work=$(mktemp -d)
./build-fuzz/fuzz/fuzz_evaluator -runs=0 fuzz/corpus
./build-fuzz/fuzz/fuzz_evaluator -max_total_time=60 -dict=fuzz/evaluator.dict \
    -artifact_prefix="$fuzz_work/" "$fuzz_work" fuzz/corpus 2>&1 | tail -n 3
rm -rf "$fuzz_work"
fuzz_work=$(mktemp -d)
./build-fuzz/fuzz/fuzz_worksheet -runs=0 fuzz/worksheet-corpus
./build-fuzz/fuzz/fuzz_worksheet -max_total_time=30 -dict=fuzz/worksheet.dict \
    -artifact_prefix="$fuzz_work/" "$fuzz_work" fuzz/worksheet-corpus 2>&1 | tail -n 3
rm -rf "$fuzz_work"
fuzz_work=$(mktemp -d)
./build-fuzz/fuzz/fuzz_profile -runs=0 fuzz/profile-corpus
./build-fuzz/fuzz/fuzz_profile -max_total_time=30 -dict=fuzz/profile.dict \
    -artifact_prefix="$fuzz_work/" "$fuzz_work" fuzz/profile-corpus 2>&1 | tail -n 3
rm -rf "$fuzz_work"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMLET_SANITIZE=ON -DNUMLET_BUILD_TESTS=ON \
    -DNUMLET_BUILD_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --no-tests=error --output-on-failure -j "$jobs"
