# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails, listing clang-format's findings, when any C++ source in FOLDERS
# differs from the repository's .clang-format.
cmake_minimum_required(VERSION 3.25)

set(sources "")
foreach(folder ${FOLDERS})
  file(GLOB_RECURSE found ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  list(APPEND sources ${found})
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no sources found under ${ROOT}")
endif()

execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE status ERROR_VARIABLE findings)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "clang-format would change these sources "
                      "(run clang-format -i on them):\n${findings}")
endif()
message(STATUS "${count} sources formatted")
