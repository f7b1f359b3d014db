#!/usr/bin/env bash
# Builds Calvex and runs every test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/setup.sh

calvex_install_packages
calvex_build

status=0
ctest --test-dir build --output-on-failure || status=$?

# The archive fuzz target (fuzz/) runs for a minute where clang with its
# fuzzing runtime is installed (Debian: clang), from a fixed seed so that a
# failure in CI can be replayed.
fuzz_probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if command -v clang++ >/dev/null &&
    echo "$fuzz_probe" | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
    CXX=clang++ cmake -S fuzz -B build-fuzz >/dev/null
    cmake --build build-fuzz -j"$(nproc)"
    mkdir -p build-fuzz/corpus
    if build-fuzz/archive_fuzzer -seed=1 -max_total_time=60 -print_final_stats=1 -artifact_prefix=build-fuzz/ \
        build-fuzz/corpus fuzz/corpus >build-fuzz/fuzz.log 2>&1; then
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' build-fuzz/fuzz.log
    else
        tail -n 60 build-fuzz/fuzz.log
        echo "fuzz target: failure, input saved in build-fuzz/" >&2
        status=1
    fi
else
    echo "fuzz target skipped: clang++ with libFuzzer not installed (Debian: clang)"
fi
exit "$status"
