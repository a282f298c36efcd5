# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The newest release in NEWS.md and in the AppStream metadata is the
# version project() sets, on the same date.
#   cmake -DVERSION=... -DSOURCE_DIR=... -P release_version.cmake
include(${SOURCE_DIR}/packaging/release_notes.cmake)

set(metainfo ${SOURCE_DIR}/packaging/io.github.vexlo.Vexlo.metainfo.xml)
vexlo_newest_news_release(${SOURCE_DIR}/NEWS.md news_version news_date)
vexlo_newest_metainfo_release(${metainfo} metainfo_version metainfo_date)
if(NOT news_version STREQUAL VERSION OR NOT metainfo_version STREQUAL VERSION)
  message(FATAL_ERROR "project version ${VERSION}, newest release in NEWS.md ${news_version}, "
                      "in the metainfo ${metainfo_version}")
endif()
if(NOT news_date STREQUAL metainfo_date)
  message(FATAL_ERROR "${VERSION} released ${news_date} in NEWS.md, ${metainfo_date} in the metainfo")
endif()
