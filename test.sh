#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test headless, each test binary under an Xvfb of its own
# (tests/support/x_prive.sh). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh --tests
export CCACHE_DIR="${CCACHE_DIR:-$PWD/build/ccache}"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTUV_SANITIZE=ON >/dev/null
cmake --build build/test
# Sounds load and play silently without a sound device.
export ALSOFT_DRIVERS=null
# Without tracking of the thread-local blocks of dynamically loaded libraries: the leak
# checker's tracer read such a block at a bogus address at exit and crashed, failing test
# binaries whose every case had passed (two runs of three of test_level on a loaded machine).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The software renderer draws in the calling thread: fewer threads for LeakSanitizer's tracer to
# stop at exit, and parallel test binaries do not compete with its worker threads.
export LP_NUM_THREADS=0
cd build/test
# CTEST_PARALLEL_LEVEL caps the test binaries run at once (the build's jobs: CMAKE_BUILD_PARALLEL_LEVEL).
ctest --output-on-failure -j"${CTEST_PARALLEL_LEVEL:-$(nproc)}" "$@"
