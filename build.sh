#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Vexlo's one entry point for users and CI.
#   ./build.sh run    install what building and running needs, build the
#                     optimised program alone, start it
#   ./build.sh test   install every tool the tests use, make the checked
#                     build (clang, ASan and UBSan) and run every test in
#                     it: the style checks and a short run of each fuzz
#                     target among them
set -euo pipefail
cd "$(dirname "$0")"

# What building and running Vexlo needs.
run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev qt6-qpa-plugins
              qt6-wayland libqt6svg6 fonts-dejavu-core)
# What the tests, benchmarks and fuzz targets need besides.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang clang-format clang-tidy
               desktop-file-utils appstream reuse lintian groff-base dpkg-dev file
               python3 python3-pyatspi at-spi2-core dbus xvfb openbox xdotool xclip x11-utils
               imagemagick)

sudo_if_needed() {
  if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  sudo_if_needed apt-get update -q
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# The sanitizer and libFuzzer runtimes belong to the clang that is installed.
clang_runtime() {
  echo "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
}

case "${1:-}" in
  run)
    shift
    install_missing "${run_packages[@]}"
    cmake --workflow --preset release
    exec build-release/vexlo "$@"
    ;;
  test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    install_missing "$(clang_runtime)"
    cmake --workflow --preset default
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
