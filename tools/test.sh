#!/usr/bin/env bash
# The whole test suite: a normal build, then the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh

jobs=$(nproc)
# No optimisation and no debug information: the suite checks behaviour, and a fifth of the
# compile time is saved on a small machine.
tools/build.sh build-tests -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0
ctest --test-dir build-tests --output-on-failure -j"$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
tools/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g1" \
  -DVELA_SANITIZE=ON -DVELA_GUI=OFF -DVELA_BENCH=OFF
ctest --test-dir build-asan --output-on-failure -j"$jobs"
