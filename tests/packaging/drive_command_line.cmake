# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# vexlo-drive's command line: the script from a file, from standard input
# when absent or "-", and every misuse told in one line with status 2
# before anything starts. A platform that does not exist proves the
# latter: had the application been made, Qt would have aborted.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(no_platform ENV QT_QPA_PLATFORM=no-such-platform)
expect_help_and_version(${no_platform})
expect_run(ARGS --help STATUS 0 ${no_platform}
           STDOUT "\\[SCRIPT\\|-\\].*Exit status:\n  0 [^\n]+\n  1 [^\n]+\n  2 [^\n]+\n$")

set(script ${SCRATCH}/script.drive)
file(WRITE ${script} "echo one\nget vexlo.open\n")
set(ran "^one\nvexlo.open = true\n$")
set(offscreen ENV QT_QPA_PLATFORM=offscreen)
expect_run(ARGS ${script} STATUS 0 STDOUT "${ran}" ${offscreen})
expect_run(ARGS - INPUT ${script} STATUS 0 STDOUT "${ran}" ${offscreen})
expect_run(INPUT ${script} STATUS 0 STDOUT "${ran}" ${offscreen})
expect_run(ARGS -- - INPUT ${script} STATUS 0 STDOUT "${ran}" ${offscreen})

# A screenshot is the window as a PNG picture of some size: the signature,
# then the header's width and height, neither of them 0.
set(picture ${SCRATCH}/vexlo.png)
file(WRITE ${SCRATCH}/screenshot.drive "screenshot vexlo \"${picture}\"\n")
expect_run(ARGS ${SCRATCH}/screenshot.drive STATUS 0 ${offscreen})
file(READ ${picture} header HEX LIMIT 24)
if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452" OR header MATCHES "00000000........$"
   OR header MATCHES "00000000$")
  string(APPEND failures "screenshot: ${picture} is no PNG picture of the window: ${header}\n")
endif()

expect_misuse("'bogus'" ARGS --bogus ${no_platform})
expect_misuse("'x'" ARGS -x ${script} ${no_platform})
expect_misuse("'${SCRATCH}/missing.drive'" ARGS ${SCRATCH}/missing.drive ${no_platform})
expect_misuse("'${SCRATCH}'" ARGS ${SCRATCH} ${no_platform})
expect_misuse("directory" ARGS ${SCRATCH} ${no_platform})
expect_misuse("'second.drive'" ARGS ${script} second.drive ${no_platform})
expect_misuse("'${script}'" ARGS - ${script} ${no_platform})

# Told to end while a script waits for ten minutes, it ends.
file(WRITE ${SCRATCH}/long_wait.drive "wait 600000\n")
expect_ends_on_sigterm(${SCRATCH}/long_wait.drive)

report_failures()
