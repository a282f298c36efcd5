#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the README's screenshots: each session in sessions/ drives
# the real windows offscreen and saves its window as a PNG.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -x build/vexlo-drive ] || { cmake --preset default >/dev/null && cmake --build --preset default; }
for session in docs/screenshots/sessions/*.drive; do
  build/vexlo-drive "$session" >/dev/null
  echo "made from $session"
done
