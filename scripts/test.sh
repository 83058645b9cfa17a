#!/usr/bin/env bash
# Installs, builds and runs every test; then builds the plain game core once
# more with AddressSanitizer and UndefinedBehaviorSanitizer and runs its
# tests, the plain benchmarks and the kept fuzz inputs in that build (the
# windows are Qt's and are not rebuilt for it). Window tests draw
# offscreen, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
# Nothing a test starts announces a game beyond this machine.
export BRIXO_ANNOUNCE_TO=127.0.0.1
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$(nproc)")

# Lightly optimised and with line tables only: it builds in much less time
# than a full debug build and still names the line of a fault.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" \
      -DBRIXO_SANITIZE=ON -DBRIXO_CORE_ONLY=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS="detect_stack_use_after_return=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-asan && ctest --output-on-failure -j"$(nproc)")
