# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one scenario script and compares standard output with NAME.expected.
# The output of a run that differs goes into the build tree (the folder
# CTest runs the test in), never beside the script.
string(REGEX REPLACE "\\.drive$" ".expected" expected_file "${SCRIPT}")
get_filename_component(stem "${SCRIPT}" NAME_WE)
set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/scenario-output/${stem}.actual")
execute_process(COMMAND ${DRIVER} ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  file(WRITE "${actual_file}" "${actual}")
  message(FATAL_ERROR "output differs from ${expected_file} (see ${actual_file})\n${errors}")
endif()
set(expected_status 0)
if(expected MATCHES "(^|\n)! line ")
  set(expected_status 1)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
