#!/usr/bin/env bash
# Fails when an include crosses the layers: platform/ includes only platform/;
# app/ is the top floor (the window table's rows, the frame, the script runner,
# main), so nothing outside app/ includes it.
set -uo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root" || exit 2
sources() { find "$@" -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null; }

bad=$(
  sources platform | xargs -r grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
    grep -v '#[[:space:]]*include[[:space:]]*"platform/'
  top=$(find . -mindepth 1 -maxdepth 1 -type d ! -name '.*' ! -name app ! -name 'build*' ! -name platform -printf '%P\n')
  sources $top | xargs -r grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"app/'
)
if [ -n "$bad" ]; then
  echo "includes across the layers:"
  echo "$bad"
  exit 1
fi
echo "layers hold"
