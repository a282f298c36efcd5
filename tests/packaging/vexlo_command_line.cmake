# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# vexlo's command line: --help and --version, Qt's own options taken by
# Qt, and every misuse told in one line with status 2.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(offscreen ENV QT_QPA_PLATFORM=offscreen)
# Help and version need no display at all.
expect_help_and_version(ENV --unset=QT_QPA_PLATFORM --unset=DISPLAY --unset=WAYLAND_DISPLAY)

# Without a display, only Qt itself taking -platform lets the program get
# as far as its version; -style would be an unknown option if Qt left it.
string(REPLACE "." "\\." version ${VERSION})
expect_run(ARGS -platform offscreen --version STATUS 0 STDOUT "^vexlo ${version}\n$"
           ENV --unset=QT_QPA_PLATFORM --unset=DISPLAY --unset=WAYLAND_DISPLAY)
expect_run(ARGS -style Fusion --version STATUS 0 STDOUT "^vexlo ${version}\n$" ${offscreen})
expect_run(ARGS -style Fusion -platform offscreen -help STATUS 0 STDOUT "^Usage: vexlo "
           ENV --unset=QT_QPA_PLATFORM)

expect_misuse("'bogus'" ARGS --bogus ${offscreen})
expect_misuse("'x'" ARGS -x ${offscreen})
expect_misuse("'bogus'" ARGS -style Fusion --bogus ${offscreen})
expect_misuse("'calculate'" ARGS calculate ${offscreen})
expect_misuse("'--version'" ARGS --version=1 ${offscreen})

report_failures()
