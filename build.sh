#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Vexlo's one entry point for users and CI.
#   ./build.sh run    install what is missing, build, start Vexlo
#   ./build.sh test   install what is missing, build, run every test
#                     (normal build, then again under ASan and UBSan)
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core clang libclang-rt-14-dev qt6-qpa-plugins
          desktop-file-utils appstream)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
}

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

case "${1:-}" in
  run)
    install_missing
    build default
    exec build/vexlo
    ;;
  test)
    install_missing
    build default
    ctest --preset default
    build asan
    ctest --preset asan
    build fuzz
    ctest --preset fuzz
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
