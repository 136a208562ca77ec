#!/usr/bin/env bash
# Sets up, builds and runs every test. VX_SANITIZE=1 runs them under ASan/UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=build
if [ "${VX_SANITIZE:-0}" = 1 ]; then
  build_dir=build-asan
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
fi
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 600
