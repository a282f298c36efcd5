# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a fresh prefix and checks that both programs,
# their manual pages, the desktop entry, the AppStream metadata and the
# icons land where desktops look for them, all named by the one app id,
# and that the metadata validates as strictly as software centres read it.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DDESKTOP_VALIDATE=... -DAPPSTREAM=... -P install_check.cmake

include(${CMAKE_CURRENT_LIST_DIR}/packaging/require_tool.cmake)
require_tool(DESKTOP_VALIDATE desktop-file-validate desktop-file-utils)
require_tool(APPSTREAM appstreamcli appstream)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install into ${PREFIX} failed")
endif()

set(app_id io.github.vexlo.Vexlo)
set(desktop ${PREFIX}/share/applications/${app_id}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${app_id}.metainfo.xml)
foreach(file ${desktop} ${metainfo} ${PREFIX}/share/icons/hicolor/scalable/apps/${app_id}.svg
             ${PREFIX}/share/icons/hicolor/symbolic/apps/${app_id}-symbolic.svg
             ${PREFIX}/share/man/man1/vexlo.1.gz ${PREFIX}/share/man/man1/vexlo-drive.1.gz)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(program vexlo vexlo-drive)
  execute_process(COMMAND test -x ${PREFIX}/bin/${program} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PREFIX}/bin/${program} is not installed as a program")
  endif()
endforeach()
file(STRINGS ${desktop} icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${app_id}")
  message(FATAL_ERROR "the desktop entry names its icon ${icon}, not ${app_id}")
endif()

execute_process(COMMAND ${DESKTOP_VALIDATE} ${desktop} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error|warning")
  message(FATAL_ERROR "desktop entry does not validate:\n${out}")
endif()
execute_process(COMMAND ${APPSTREAM} validate --strict --no-net ${metainfo} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "metainfo does not validate:\n${out}")
endif()
