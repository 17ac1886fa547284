#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets for the Calls.log reader, the INI reader and the routing socket's
# parser with clang in their own
# build directory and runs each for FUZZ_SECONDS (15 by default), after the inputs that once made
# them fail (fuzz/regressions/). Exits non-zero when a fuzzer finds a crash, a hang or a leak.
# Needs Debian's clang and libclang-rt-14-dev (it holds the libFuzzer runtime).
# FUZZ_TARGETS picks the targets ("calllog inifile netlink" by default).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-15}"
targets="${FUZZ_TARGETS:-calllog inifile netlink}"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELLAN_FUZZ=ON \
    -DCORVELLAN_TESTS=OFF -DCORVELLAN_BENCH=OFF -DCORVELLAN_SANITIZE=OFF
for target in $targets; do
    cmake --build "$build" --target "fuzz_$target" -j "$(nproc)"
done

# Start from a few real files; the corpus directories keep what the fuzzers learn between runs.
seed() {
    mkdir -p "$build/corpus-$1"
    printf "${@:3}" >"$build/corpus-$1/$2"
}
rule="-------------------------------------------"
seed calllog december '%s\r\n\t\tDecember Log\r\n%s\r\n\r\nStart:\t05/12/97\t21:03:07\r\nEnd:\t05/12/97\t21:45:10\r\n\r\n%s\r\n\t\tDecember Totals\r\n%s' \
    "$rule" "$rule" "$rule" "$rule"
seed calllog lf-unfinished '\t\tNovember Log\nStart:\t30/11/25\t23:50:00\nEnd:\t01/12/25\t00:10:00\n\nStart:\t01/12/25\t00:20:00\n'
seed calllog malformed '\t\tMarch Log\rStart:\t31/02/26\t10:00:00\rEnd:\t01/03/26\t24:00:00\r'
seed inifile written '[Billing]\nWeekdayDayRate=2.00\nIntervals=3\nBreakIntervals=0\n[Limits]\nMonthLimit=20.00\nWarnMonth=1\n[Messages]\nCallLimitMessage=Stop\\nnow\n'
seed inifile hand-edited '; mine\r\n[ billing ]\r\n  weekdaynightrate = 1e308 \r\n[LIMITS]\r\nCallLimit=nan\r\nDayLimit=0x10\r\n'
# ppp0 up, then the end of the look (the first 8 bytes: the look's number and the socket's port)
seed netlink ppp0-up '\x01\0\0\0\x01\0\0\0,\0\0\0\x10\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x02\x05\0\0\0Q\0\x01\0\0\0\0\0\t\0\x03\0ppp0\0\0\0\0\x14\0\0\0\x03\0\x02\0\x01\0\0\0\x01\0\0\0\0\0\0\0'
seed inifile junk '[Billing\rWeekendDayRate=-3\r=\r\xff\xfe[\x00B\x00]\x00\r'

cd "$build"
for target in $targets; do
    # The hostile files of the tests are seeds too; inputs that once failed are run first.
    case "$target" in
    calllog) inputs=("$root/tests/data/calls") ;;
    inifile) inputs=("$root/tests/data/ini") ;;
    *) inputs=() ;;
    esac
    if compgen -G "$root/fuzz/regressions/$target/*" >/dev/null; then
        inputs+=("$root/fuzz/regressions/$target")
    fi
    echo "== fuzz_$target for $seconds seconds"
    ./fuzz/"fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=1 \
        -max_len=65536 -print_final_stats=1 "corpus-$target" "${inputs[@]}"
done
