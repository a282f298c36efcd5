# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the release history: NEWS.md, whose releases are headed
# "## VERSION (YYYY-MM-DD)" newest first, and the AppStream metadata's
# <release> elements.

# The newest release of NEWS.md.
function(vexlo_newest_news_release news version_var date_var)
  file(READ ${news} text)
  if(NOT text MATCHES "\n## ([0-9][0-9.]*) \\(([0-9-]+)\\)")
    message(FATAL_ERROR "${news} has no release heading \"## VERSION (YYYY-MM-DD)\"")
  endif()
  set(${version_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(${date_var} ${CMAKE_MATCH_2} PARENT_SCOPE)
endfunction()

# The release of the metainfo file with the highest version, whatever the
# order of its elements.
function(vexlo_newest_metainfo_release metainfo version_var date_var)
  file(READ ${metainfo} text)
  string(REGEX MATCHALL "<release [^>]*>" releases "${text}")
  set(newest "")
  set(newest_date "")
  foreach(release ${releases})
    string(REGEX MATCH "version=\"([^\"]+)\"" ignored "${release}")
    set(version ${CMAKE_MATCH_1})
    string(REGEX MATCH "date=\"([^\"]+)\"" ignored "${release}")
    if(newest STREQUAL "" OR version VERSION_GREATER newest)
      set(newest ${version})
      set(newest_date ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(${version_var} ${newest} PARENT_SCOPE)
  set(${date_var} ${newest_date} PARENT_SCOPE)
endfunction()

# NEWS.md as a Debian changelog: one entry per release, its items as "*"
# items, signed by the maintainer on the release's date.
function(vexlo_debian_changelog news package maintainer result_var)
  file(READ ${news} text)
  # Lines as a list: the text's own semicolons must not split it.
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(changelog "")
  set(trailer "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^## ([0-9][0-9.]*) \\(([0-9-]+)\\)$")
      execute_process(COMMAND date -u -R -d ${CMAKE_MATCH_2} OUTPUT_VARIABLE signed
                      OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      string(APPEND changelog "${trailer}${package} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${signed}\n\n")
    elseif(trailer AND line MATCHES "^- (.*)")
      string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
    elseif(trailer AND line MATCHES "^  (.*)")
      string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  string(REPLACE "\n\n\n" "\n\n" changelog "${changelog}${trailer}")
  string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
  string(REPLACE "<semicolon>" ";" changelog "${changelog}")
  set(${result_var} "${changelog}" PARENT_SCOPE)
endfunction()
