# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM and checks its exit status, standard output and standard
# error, each run bounded in time. Included by the command-line checks,
# which pass -DPROGRAM=... -DVERSION=... -DSCRATCH=<folder of their own>.
#   expect_run(ARGS ... [ENV VAR=VALUE ...] [INPUT FILE] STATUS N [STDOUT regex] [STDERR regex])
# An output without a regex must be empty.

get_filename_component(program_name ${PROGRAM} NAME)
file(REMOVE_RECURSE ${SCRATCH})
# Qt warns on standard error when it has no private runtime folder.
file(MAKE_DIRECTORY ${SCRATCH}/runtime)
file(CHMOD ${SCRATCH}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(environment ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${SCRATCH}/runtime)
set(failures "")

macro(expect_run)
  cmake_parse_arguments(run "" "INPUT;STATUS;STDOUT;STDERR" "ARGS;ENV" ${ARGN})
  set(input "")
  if(DEFINED run_INPUT)
    set(input INPUT_FILE ${run_INPUT})
  endif()
  execute_process(COMMAND ${environment} ${run_ENV} ${PROGRAM} ${run_ARGS} ${input} TIMEOUT 60
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  foreach(stream STDOUT STDERR)
    if(NOT DEFINED run_${stream})
      set(run_${stream} "^$")
    endif()
  endforeach()
  if(NOT status STREQUAL run_STATUS OR NOT out MATCHES "${run_STDOUT}" OR NOT err MATCHES "${run_STDERR}")
    string(APPEND failures "${program_name} ${run_ARGS}: status ${status} (expected ${run_STATUS})\n"
           "--- stdout:\n${out}--- stderr:\n${err}\n")
  endif()
endmacro()

# A misuse: status 2, nothing on standard output, and one line on standard
# error, from the program, naming the given word.
macro(expect_misuse names)
  string(REGEX REPLACE "([][.*+?^$()|\\])" "\\\\\\1" quoted "${names}")
  expect_run(STATUS 2 STDERR "^${program_name}: [^\n]*${quoted}[^\n]*\n$" ${ARGN})
endmacro()

# The help's usage line, and the version line from project(VERSION).
macro(expect_help_and_version)
  foreach(help --help -h -help)
    expect_run(ARGS ${help} ${ARGN} STATUS 0 STDOUT "^Usage: ${program_name} \\[options\\]")
  endforeach()
  string(REPLACE "." "\\." version ${VERSION})
  foreach(version_option --version -v)
    expect_run(ARGS ${version_option} ${ARGN} STATUS 0 STDOUT "^${program_name} ${version}\n$")
  endforeach()
endmacro()

# Sent SIGTERM a moment after it starts, the program ends: `timeout` says
# 124 when the signal ended it, 137 when it had to be killed. (coreutils'
# env becomes the program, so the signal reaches it.)
macro(expect_ends_on_sigterm)
  execute_process(COMMAND timeout --signal=TERM --kill-after=60 2 env XDG_RUNTIME_DIR=${SCRATCH}/runtime
                          QT_QPA_PLATFORM=offscreen ${PROGRAM} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status STREQUAL 124)
    string(APPEND failures "${program_name} ${ARGN}: SIGTERM did not end it (timeout says ${status})\n")
  endif()
endmacro()

macro(report_failures)
  if(failures)
    message(FATAL_ERROR "${failures}")
  endif()
endmacro()
