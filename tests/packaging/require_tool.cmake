# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A check whose tool is missing fails and says what to install: a skipped
# check would pass unseen.
function(require_tool path_var command package)
  if(NOT ${path_var})
    message(FATAL_ERROR "${command} is not installed: install the Debian package ${package}")
  endif()
endfunction()

# Runs a command, shows all it printed, and fails when it fails.
function(run_shown what)
  execute_process(COMMAND ${ARGN} TIMEOUT 600 RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  message("${what}:\n${out}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status})")
  endif()
endfunction()
