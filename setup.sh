#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Corvellan on Debian 12 and runs it ("run"), runs every test ("test"), or makes the Debian
# package build-package/corvellan_<version>_<arch>.deb ("package").
# Missing Debian packages are installed first (as root directly, otherwise through sudo).
set -euo pipefail
cd "$(dirname "$0")"

mode="${1:-}"
case "$mode" in
run | test | package) ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac

packages=(build-essential cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    nlohmann-json3-dev libfontconfig-dev tzdata locales
    librsvg2-bin)
if [ "$mode" != run ]; then
    packages+=(dpkg-dev file)
fi
if [ "$mode" = test ]; then
    packages+=(libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev desktop-file-utils appstream
        lintian devscripts iproute2 shellcheck)
    # a private message bus stands in for the system bus in the sleep test
    packages+=(dbus-daemon)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    elif command -v sudo >/dev/null; then
        sudo apt-get update -qq
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Please install these Debian packages first: ${missing[*]}" >&2
        exit 1
    fi
fi

# The tests also run in English, German and French: a locale not generated yet is generated
# (without one, the tests that need it say so and skip).
if [ "$mode" = test ]; then
    wanted=()
    for l in en_US de_DE fr_FR; do
        locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || wanted+=("$l")
    done
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    if [ ${#wanted[@]} -gt 0 ] && { [ ${#as_root[@]} -eq 0 ] || command -v sudo >/dev/null; }; then
        echo "Generating the locales for the tests: ${wanted[*]}"
        for l in "${wanted[@]}"; do
            grep -qx "$l.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null ||
                echo "$l.UTF-8 UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
        done
        "${as_root[@]}" locale-gen >/dev/null
    fi
fi

jobs="$(nproc)"
if [ "$mode" = run ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$jobs"
    exec ./build/src/corvellan
fi
if [ "$mode" = package ]; then
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build-package -j "$jobs"
    (cd build-package && cpack -G DEB)
    ls build-package/corvellan_*.deb
    exit 0
fi

# Tests: a sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer) with the benchmarks
# compiled alongside so they cannot rot, a short run of the libFuzzer targets, then every test.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVELLAN_TESTS=ON -DCORVELLAN_SANITIZE=ON \
    -DCORVELLAN_BENCH=ON
cmake --build build-test -j "$jobs"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

if [ -x fuzz/run.sh ]; then
    echo "Fuzzing the Calls.log and INI readers for 15 seconds each (log: build-test/fuzz.log)"
    if ! fuzz/run.sh >build-test/fuzz.log 2>&1; then
        tail -n 60 build-test/fuzz.log
        echo "A fuzzer found a problem in the Calls.log or INI reader." >&2
        exit 1
    fi
fi

ctest --test-dir build-test --output-on-failure -j "$jobs"
