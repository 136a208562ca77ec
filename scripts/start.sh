#!/usr/bin/env bash
# Sets up, builds and starts the application; the manual goes into its start folder.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only what the program needs: the test binaries wait for scripts/test.sh.
VX_OFFICE_GUI=1 VX_TARGETS="vetrix vx_manual" scripts/setup.sh
# The start folder of build/vetrix (a relative XDG_DATA_HOME is ignored, as the program does).
data_home="${XDG_DATA_HOME:-}"
[[ "$data_home" == /* ]] || data_home="${HOME:-}/.local/share"
mkdir -p "$data_home/vetrix"
cp build/Instr.pdf "$data_home/vetrix/Instr.pdf"
exec build/vetrix "$@"
