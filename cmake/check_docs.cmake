# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Keeps the contributor documents true to the tree: every file or folder of
# the repository that DOCS name in `code` spans must exist under ROOT.
#   cmake -DROOT=<source dir> "-DDOCS=CONTRIBUTING.md;docs/architecture.md" -P check_docs.cmake
cmake_minimum_required(VERSION 3.25)

# Repository paths are written lower case from a top-level folder; names
# with placeholders (tests/scenarios/NAME.drive) are not paths.
set(top "runtime|forms|main|ohms|capcharge|portstate|leddriver|cli|ui|tools|tests|bench|fuzz|docs")
string(APPEND top "|packaging|cmake|scripts|man|LICENSES|\\.reuse|\\.ci")
set(path_pattern "^(${top})/[a-z0-9_./-]*$")
set(root_file_pattern "^[A-Za-z.][A-Za-z_.-]*\\.(json|sh|md|txt|cmake)$|^\\.(clang-format|clang-tidy|editorconfig)$")

set(missing "")
set(checked 0)
foreach(doc ${DOCS})
  if(NOT EXISTS ${ROOT}/${doc})
    string(APPEND missing "${doc} itself\n")
    continue()
  endif()
  file(READ ${ROOT}/${doc} text)
  string(REGEX MATCHALL "`[^`\n]+`" spans "${text}")
  foreach(span ${spans})
    string(REGEX REPLACE "^`(.*)`$" "\\1" name "${span}")
    if(name MATCHES "${path_pattern}" OR name MATCHES "${root_file_pattern}")
      math(EXPR checked "${checked} + 1")
      if(NOT EXISTS ${ROOT}/${name})
        string(APPEND missing "${doc}: ${name}\n")
      endif()
    endif()
  endforeach()
endforeach()

if(missing)
  message(FATAL_ERROR "named in the documents but not in the tree:\n${missing}")
endif()
if(checked EQUAL 0)
  message(FATAL_ERROR "no repository path found in ${DOCS}")
endif()
message(STATUS "${checked} paths named in ${DOCS} exist")
