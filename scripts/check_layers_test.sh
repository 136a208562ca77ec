#!/usr/bin/env bash
# The layer check fails on each kind of crossing include and passes a clean tree.
set -uo pipefail
check="$(cd "$(dirname "$0")" && pwd)/check_layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
expect() {  # expect PASS|FAIL FILE LINE
  rm -rf "$tree"/*
  mkdir -p "$tree/platform/core" "$tree/app/frame" "$tree/registry"
  echo '#include "platform/core/text.h"' > "$tree/platform/core/a.h"
  echo '#include "context/globals.h"' > "$tree/registry/ok.cpp"
  echo '#include "app/script/session.h"' > "$tree/app/frame/ok.cpp"
  [ -n "$2" ] && { mkdir -p "$tree/$(dirname "$2")"; echo "$3" > "$tree/$2"; }
  if "$check" "$tree" >/dev/null; then got=PASS; else got=FAIL; fi
  [ "$got" = "$1" ] || { echo "expected $1 with $2: $3, got $got"; exit 1; }
}
expect PASS "" ""
expect FAIL platform/ui/b.cpp '#include "app/globals.h"'
expect FAIL platform/ui/b.h '  #  include "dictionary/names.h"'
expect FAIL registry/c.cpp '#include "app/frame/main_frame.h"'
expect FAIL registry/g.cpp '#include "app/globals.h"'
expect FAIL windows/c.h '#include "app/program_windows.h"'
expect FAIL tests/d.h '#include "app/script/session.h"'
expect PASS app/script/f.cpp '#include "app/program_windows.h"'
expect PASS platform/qt/e.cpp '#include <QWidget>'
echo "layer check holds"
