# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file states its licence and copyright, as the REUSE tool reads them.
#   cmake -DREUSE=... -DSOURCE_DIR=... -P reuse_lint.cmake
include(${CMAKE_CURRENT_LIST_DIR}/require_tool.cmake)
require_tool(REUSE reuse reuse)
run_shown("reuse lint" ${REUSE} --root ${SOURCE_DIR} lint)
