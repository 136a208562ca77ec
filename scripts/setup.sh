#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs and builds it into build/.
# Idempotent: installs nothing when every package is there. Works as root or with sudo.
# VX_SANITIZE=1 builds with AddressSanitizer/UBSan into build-asan/ instead.
# VX_OFFICE_GUI=1 (set by start.sh) installs the full LibreOffice, which shows the filled workbooks.
# VX_TARGETS="a b" builds only those targets (start.sh: the program and its manual, no tests).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  libsqlite3-dev sqlite3
  libboost-context-dev
  libgtest-dev
  qt6-base-dev qt6-base-dev-tools
  qt6-translations-l10n
  xvfb xauth
  openbox xdotool
  libreoffice-dev
  fonts-dejavu-core
  poppler-utils
  xdg-utils
  locales
)
# The office server (and the maker of the manual's PDF): the GUI-less packages only
# where no LibreOffice is installed and no desktop user asks for one, so a full
# LibreOffice is never replaced.
for app in calc writer; do
  if [ "${VX_OFFICE_GUI:-0}" = 1 ] || dpkg-query -W -f='${Status}' "libreoffice-$app" 2>/dev/null | grep -q 'install ok installed'; then
    packages+=("libreoffice-$app")
    gui_office=1
  else
    packages+=("libreoffice-$app-nogui")
  fi
done
# A desktop user's LibreOffice speaks Russian.
if [ "${gui_office:-0}" = 1 ]; then packages+=(libreoffice-l10n-ru); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The office tests run once more as on a Russian desktop, which needs its locale generated.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  echo "setup: generating the locale ru_RU.UTF-8"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  if grep -q '^# *ru_RU.UTF-8 UTF-8' /etc/locale.gen; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ru_RU.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen
fi

build_dir=build
cmake_flags=(-G Ninja)
if [ "${VX_SANITIZE:-0}" = 1 ]; then
  build_dir=build-asan
  cmake_flags+=(-DVX_SANITIZE=ON)
fi
cmake -S . -B "$build_dir" "${cmake_flags[@]}" >/dev/null
targets=()
for t in ${VX_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
