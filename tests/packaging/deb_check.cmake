# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from the build tree, has lintian judge it,
# validates its desktop entry and AppStream metadata as strictly as
# software centres read them, and runs both programs from its unpacked
# files.
#   cmake -DBUILD_DIR=... -DSCRATCH=... -DVERSION=... -DCPACK=... -DDPKG=... -DDPKG_DEB=...
#         -DDPKG_SHLIBDEPS=... -DFILE=... -DLINTIAN=... -DDESKTOP_VALIDATE=... -DAPPSTREAM=...
#         -P deb_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/require_tool.cmake)
require_tool(DPKG dpkg dpkg)
require_tool(DPKG_DEB dpkg-deb dpkg)
require_tool(DPKG_SHLIBDEPS dpkg-shlibdeps dpkg-dev)
require_tool(FILE file file)
require_tool(LINTIAN lintian lintian)
require_tool(DESKTOP_VALIDATE desktop-file-validate desktop-file-utils)
require_tool(APPSTREAM appstreamcli appstream)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/runtime)
file(CHMOD ${SCRATCH}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

run_shown("cpack" ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}/out)
execute_process(COMMAND ${DPKG} --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(deb ${SCRATCH}/out/vexlo_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  file(GLOB made ${SCRATCH}/out/*.deb)
  message(FATAL_ERROR "no ${deb}; cpack made: ${made}")
endif()

# The libraries come from the binaries; the SVG icon engine is a plugin.
execute_process(COMMAND ${DPKG_DEB} --field ${deb} Depends OUTPUT_VARIABLE depends
                COMMAND_ERROR_IS_FATAL ANY)
foreach(needed libqt6widgets6 libqt6svg6 qt6-wayland libc6)
  if(NOT depends MATCHES "(^|[ ,])${needed}([ ,(]|\n|$)")
    message(FATAL_ERROR "Depends lacks ${needed}: ${depends}")
  endif()
endforeach()

# Any warning fails as an error does; infos are shown.
run_shown("lintian" ${LINTIAN} --fail-on error,warning --display-info ${deb})

execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${SCRATCH}/root COMMAND_ERROR_IS_FATAL ANY)
foreach(file bin/vexlo bin/vexlo-drive share/man/man1/vexlo.1.gz share/man/man1/vexlo-drive.1.gz
             share/doc/vexlo/copyright share/doc/vexlo/changelog.gz
             share/applications/io.github.vexlo.Vexlo.desktop
             share/metainfo/io.github.vexlo.Vexlo.metainfo.xml
             share/icons/hicolor/scalable/apps/io.github.vexlo.Vexlo.svg
             share/icons/hicolor/symbolic/apps/io.github.vexlo.Vexlo-symbolic.svg)
  if(NOT EXISTS ${SCRATCH}/root/usr/${file})
    message(FATAL_ERROR "not in the package: /usr/${file}")
  endif()
endforeach()

set(desktop ${SCRATCH}/root/usr/share/applications/io.github.vexlo.Vexlo.desktop)
file(STRINGS ${desktop} icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=io.github.vexlo.Vexlo")
  message(FATAL_ERROR "the desktop entry names its icon ${icon}, not io.github.vexlo.Vexlo")
endif()
execute_process(COMMAND ${DESKTOP_VALIDATE} ${desktop} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error|warning")
  message(FATAL_ERROR "desktop entry does not validate:\n${out}")
endif()
run_shown("appstreamcli validate" ${APPSTREAM} validate --strict --no-net
          ${SCRATCH}/root/usr/share/metainfo/io.github.vexlo.Vexlo.metainfo.xml)

set(environment ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${SCRATCH}/runtime)
execute_process(COMMAND ${environment} ${SCRATCH}/root/usr/bin/vexlo --version TIMEOUT 60
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out STREQUAL "vexlo ${VERSION}\n")
  message(FATAL_ERROR "unpacked vexlo --version: status ${status}\n${out}${err}")
endif()
file(WRITE ${SCRATCH}/script.drive "click vexlo.Command15\nget wavo6.open\nvar vexlo.nosuch\n")
execute_process(COMMAND ${environment} ${SCRATCH}/root/usr/bin/vexlo-drive ${SCRATCH}/script.drive
                TIMEOUT 60 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT out MATCHES "^wavo6.open = true\n! line 3: [^\n]+\n$")
  message(FATAL_ERROR "unpacked vexlo-drive: status ${status}\n${out}${err}")
endif()
