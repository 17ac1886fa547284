#!/usr/bin/env bash
# Builds the libFuzzer target for the Calls.log reader with clang in its own build directory and runs
# it for 30 seconds. Exits non-zero when the fuzzer finds a crash, a hang or a leak.
# Needs Debian's clang and libclang-rt-14-dev (it holds the libFuzzer runtime).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-30}"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELLAN_FUZZ=ON \
    -DCORVELLAN_TESTS=OFF -DCORVELLAN_BENCH=OFF -DCORVELLAN_SANITIZE=OFF
cmake --build "$build" --target fuzz_calllog -j "$(nproc)"

# Start from a few real logs; the corpus directory keeps what the fuzzer learns between runs.
corpus="$build/corpus-calllog"
mkdir -p "$corpus"
rule="-------------------------------------------"
printf '%s\r\n\t\tDecember Log\r\n%s\r\n\r\nStart:\t05/12/97\t21:03:07\r\nEnd:\t05/12/97\t21:45:10\r\n\r\n%s\r\n\t\tDecember Totals\r\n%s' \
    "$rule" "$rule" "$rule" "$rule" >"$corpus/seed-december"
printf '\t\tNovember Log\nStart:\t30/11/25\t23:50:00\nEnd:\t01/12/25\t00:10:00\n\nStart:\t01/12/25\t00:20:00\n' \
    >"$corpus/seed-lf-unfinished"
printf '\t\tMarch Log\nStart:\t31/02/26\t10:00:00\nEnd:\t01/03/26\t24:00:00\n' >"$corpus/seed-malformed"

cd "$build"
exec ./fuzz/fuzz_calllog -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=1 \
    -max_len=65536 -print_final_stats=1 "$corpus"
