#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test headless under Xvfb. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh --tests
export CCACHE_DIR="${CCACHE_DIR:-$PWD/build/ccache}"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTUV_SANITIZE=ON >/dev/null
cmake --build build/test
# Sounds load and play silently without a sound device.
export ALSOFT_DRIVERS=null
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The software renderer draws in the calling thread: fewer threads for LeakSanitizer's tracer to
# stop at exit, and parallel test binaries do not compete with its worker threads.
export LP_NUM_THREADS=0
cd build/test
# The window tests share one X server: under heavy load one can lose the focus to another
# binary's window, or LeakSanitizer's tracer can fail at exit. A binary that fails is run once
# more, and the run fails only when it fails twice (its first failure stays in the log).
# -noreset: the server would otherwise reset whenever its last client leaves and drop the
# connections made during the reset.
xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" ctest --output-on-failure --repeat until-pass:2 -j"$(nproc)" "$@"
