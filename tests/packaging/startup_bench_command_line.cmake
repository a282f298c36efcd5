# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The start-up benchmark's command line: every misuse told in one line with
# status 2 before any program is started. Each case: its arguments, then
# the word the message must name.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

expect_help_and_version()
foreach(case "--runs;x;'x'" "--runs;0;--runs" "--idle;-1;--idle" "--idle;--idle" "--bogus;'bogus'"
        "extra;'extra'")
  list(POP_BACK case names)
  expect_misuse("${names}" ARGS ${case})
endforeach()

report_failures()
