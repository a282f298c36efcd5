# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The random-event program's command line: every misuse told in one line
# with status 2 before anything runs (no platform exists, so a started
# application would abort). Each case: its arguments, then the word the
# message must name.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(no_platform ENV QT_QPA_PLATFORM=no-such-platform)
expect_help_and_version(${no_platform})
foreach(case "--seed;-1;'-1'" "--events;1.5;--events" "extra;'extra'" "--replay;--replay")
  list(POP_BACK case names)
  expect_misuse("${names}" ARGS ${case} ${no_platform})
endforeach()
expect_misuse("'${SCRATCH}/no/log'" ARGS --log ${SCRATCH}/no/log ${no_platform})
expect_ends_on_sigterm(--events 1000000000)

report_failures()
