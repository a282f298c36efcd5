# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM with arguments and checks its exit status, standard output
# and standard error, each run bounded in time so that none outlives the
# test. Included by the command-line checks, which pass
#   -DPROGRAM=... -DVERSION=... -DSCRATCH=<folder of their own>
#
#   expect_run(ARGS ... [ENV VAR=VALUE ...] [INPUT FILE] STATUS N
#              [STDOUT regex] [STDERR regex])
# Standard output and standard error must be empty unless a regex is given.

get_filename_component(program_name ${PROGRAM} NAME)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/runtime)
# Qt warns on standard error when it has no private runtime folder.
file(CHMOD ${SCRATCH}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(failures "")

function(expect_run)
  cmake_parse_arguments(run "" "INPUT;STATUS;STDOUT;STDERR" "ARGS;ENV" ${ARGN})
  foreach(stream STDOUT STDERR)
    if(NOT DEFINED run_${stream})
      set(run_${stream} "^$")
    endif()
  endforeach()
  set(input "")
  if(DEFINED run_INPUT)
    set(input INPUT_FILE ${run_INPUT})
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${SCRATCH}/runtime ${run_ENV} ${PROGRAM} ${run_ARGS}
    ${input} TIMEOUT 60 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(problems "")
  if(NOT status STREQUAL run_STATUS)
    string(APPEND problems "  exit status ${status}, expected ${run_STATUS}\n")
  endif()
  if(NOT out MATCHES "${run_STDOUT}")
    string(APPEND problems "  standard output does not match ${run_STDOUT}\n")
  endif()
  if(NOT err MATCHES "${run_STDERR}")
    string(APPEND problems "  standard error does not match ${run_STDERR}\n")
  endif()
  if(problems)
    string(JOIN " " shown ${run_ARGS})
    set(failures "${failures}${program_name} ${shown}:\n${problems}--- stdout:\n${out}--- stderr:\n${err}\n"
        PARENT_SCOPE)
  endif()
endfunction()

# A misuse: status 2, nothing on standard output, and exactly one line on
# standard error, from the program, naming the given word.
function(expect_misuse names)
  string(REGEX REPLACE "([][.*+?^$()|\\])" "\\\\\\1" names "${names}")
  expect_run(STATUS 2 STDERR "^${program_name}: [^\n]*${names}[^\n]*\n$" ${ARGN})
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

# The help's usage line, and the version line from project(VERSION).
function(expect_help_and_version)
  foreach(help --help -h -help)
    expect_run(ARGS ${help} ${ARGN} STATUS 0 STDOUT "^Usage: ${program_name} \\[options\\]")
  endforeach()
  string(REPLACE "." "\\." version ${VERSION})
  foreach(version_option --version -v)
    expect_run(ARGS ${version_option} ${ARGN} STATUS 0 STDOUT "^${program_name} ${version}\n$")
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

function(report_failures)
  if(failures)
    message(FATAL_ERROR "${failures}")
  endif()
endfunction()

# Runs PROGRAM with the arguments, sends it SIGTERM after a moment and
# checks that it ended then (coreutils' env, which becomes the program, so
# the signal reaches it): `timeout` says 124 when the signal ended it,
# 137 when the program outlived it and had to be killed.
function(expect_ends_on_sigterm)
  execute_process(
    COMMAND timeout --signal=TERM --kill-after=60 2
            env XDG_RUNTIME_DIR=${SCRATCH}/runtime QT_QPA_PLATFORM=offscreen ${PROGRAM} ${ARGN}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status STREQUAL 124)
    string(JOIN " " shown ${ARGN})
    set(failures "${failures}${program_name} ${shown}: SIGTERM did not end it (timeout says ${status})\n"
        PARENT_SCOPE)
  endif()
endfunction()
