#!/usr/bin/env bash
# Sets up, builds and runs every test. VX_SANITIZE=1 runs them under ASan/UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=build
[ "${VX_SANITIZE:-0}" = 1 ] && build_dir=build-asan
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 600
