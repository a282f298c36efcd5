#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the default test suite on the coverage build, or instead the
# command given (a fuzzer corpus replayed, say), and reports the lines and
# branches it reached:
#   build-coverage/coverage/index.html   every file, line by line
#   build-coverage/coverage/summary.txt  one line per folder
#   build-coverage/coverage/files.txt    one line per file
#   scripts/coverage.sh [COMMAND [ARGUMENTS...]]
# Branches only taken when an exception is thrown, and branches the
# compiler made for code with no source line of its own, are left out.
# With VEXLO_COVERAGE_KEEP=1 the counts of the earlier runs are kept and
# added to.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset coverage >/dev/null
cmake --build --preset coverage
if [ "${VEXLO_COVERAGE_KEEP:-0}" != 1 ]; then
  find build-coverage -name '*.gcda' -delete
fi
status=0
if [ $# -eq 0 ]; then
  ctest --preset coverage || status=$?
else
  QT_QPA_PLATFORM=offscreen "$@" || status=$?
fi

report=build-coverage/coverage
mkdir -p "$report"
gcovr --root . --object-directory build-coverage \
      --filter '(runtime|forms|main|ohms|capcharge|portstate|leddriver|ui|tools)/' \
      --exclude-throw-branches --exclude-unreachable-branches \
      --html-details "$report/index.html" --html-title "Vexlo test coverage" \
      --json-summary "$report/summary.json" --txt "$report/files.txt"
python3 scripts/coverage_summary.py "$report/summary.json" >"$report/summary.txt"
cat "$report/summary.txt"
echo "report: $report/index.html"
exit "$status"
