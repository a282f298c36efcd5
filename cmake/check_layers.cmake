# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.25)

# Reads every #include of the layered folders under ROOT and fails on an
# arrow the design does not allow:
#   runtime <- forms <- window folders <- ui <- tools
# beside which the command-line reader cli/ serves the programs' entry
# points (ui/, tools/). No window folder includes another, and only cli/,
# ui/ and tools/ include Qt.
#   cmake -DROOT=<source dir> -P check_layers.cmake

set(windows main ohms capcharge portstate leddriver)
set(layers runtime forms ${windows} cli ui tools)

set(allowed_runtime runtime)
set(allowed_forms runtime forms)
foreach(window ${windows})
  set(allowed_${window} runtime forms ${window})
endforeach()
set(allowed_cli cli)
set(allowed_ui runtime forms ${windows} cli ui)
set(allowed_tools runtime forms ${windows} cli ui tools)
set(qt_layers cli ui tools)

set(findings "")
foreach(layer ${layers})
  file(GLOB_RECURSE sources ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    file(RELATIVE_PATH name ${ROOT} ${source})
    foreach(line ${includes})
      if(line MATCHES "\"([A-Za-z_]+)/[^\"]+\"")
        list(FIND layers ${CMAKE_MATCH_1} known)
        list(FIND allowed_${layer} ${CMAKE_MATCH_1} permitted)
        if(known GREATER -1 AND permitted EQUAL -1)
          string(APPEND findings "${name}: ${layer}/ may not include ${CMAKE_MATCH_1}/: ${line}\n")
        endif()
      elseif(line MATCHES "<(Qt[A-Za-z]*/)?Q[A-Za-z]+>")
        if(NOT layer IN_LIST qt_layers)
          string(APPEND findings "${name}: only cli/, ui/ and tools/ may include Qt: ${line}\n")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(findings)
  message(FATAL_ERROR "layering broken:\n${findings}")
endif()
message(STATUS "layering kept")
