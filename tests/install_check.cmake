# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a fresh prefix and checks that the program, its
# desktop entry, its AppStream metadata and its icon land where desktops
# look for them, and that both metadata files validate.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DDESKTOP_VALIDATE=... -DAPPSTREAM=... -P install_check.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install into ${PREFIX} failed")
endif()

set(desktop ${PREFIX}/share/applications/vexlo.desktop)
set(metainfo ${PREFIX}/share/metainfo/io.github.vexlo.Vexlo.metainfo.xml)
foreach(file ${PREFIX}/bin/vexlo ${desktop} ${metainfo}
             ${PREFIX}/share/icons/hicolor/scalable/apps/vexlo.svg)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/bin/vexlo RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PREFIX}/bin/vexlo is not executable")
endif()

execute_process(COMMAND ${DESKTOP_VALIDATE} ${desktop} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error|warning")
  message(FATAL_ERROR "desktop entry does not validate:\n${out}")
endif()
execute_process(COMMAND ${APPSTREAM} validate --no-net ${metainfo} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "metainfo does not validate:\n${out}")
endif()
