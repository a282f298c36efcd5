# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual pages format without a single complaint from either
# formatter, at their most pedantic.
#   cmake -DMANDOC=... -DGROFF=... -DPAGES=page1;page2 -P man_lint.cmake
include(${CMAKE_CURRENT_LIST_DIR}/require_tool.cmake)
require_tool(MANDOC mandoc mandoc)
require_tool(GROFF groff groff-base)

set(complaints "")
foreach(page ${PAGES})
  foreach(lint "${MANDOC};-T;lint;-W;style" "${GROFF};-ww;-man;-z")
    execute_process(COMMAND ${lint} ${page} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "")
      list(GET lint 0 tool)
      string(APPEND complaints "${tool} on ${page} (status ${status}):\n${out}\n")
    endif()
  endforeach()
endforeach()
if(complaints)
  message(FATAL_ERROR "${complaints}")
endif()
