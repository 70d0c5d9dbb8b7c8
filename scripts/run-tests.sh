#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite.
#   scripts/run-tests.sh             the normal build (build/)
#   scripts/run-tests.sh --sanitize  the same suite built with AddressSanitizer and UBSan (build-asan/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build"
options=()
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-asan"
    options=(-DPELLORA_SANITIZE=ON -DPELLORA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp"
fi
"$root/scripts/build.sh" "$build" "${options[@]}"

export QT_QPA_PLATFORM=offscreen
# A real print queue for the printing tests; without one they skip and say why.
cups_pid_file=$("$root/scripts/start-cups.sh") || echo "CUPS could not start; the real printer test will skip" >&2
trap '[ -z "${cups_pid_file:-}" ] || "$root/scripts/stop-cups.sh" "$cups_pid_file"' EXIT
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600
