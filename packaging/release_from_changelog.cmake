# SPDX-License-Identifier: GPL-3.0-or-later
# The release this tree builds is the top entry of the Debian changelog: its
# version must be the project's, followed by the Debian revision, and its date
# is the release date that the AppStream file and the manual page carry.
# Sets WORDBLOOM_DEBIAN_REVISION and WORDBLOOM_RELEASE_DATE (YYYY-MM-DD).
set(WORDBLOOM_DEBIAN_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${WORDBLOOM_DEBIAN_CHANGELOG})

file(STRINGS ${WORDBLOOM_DEBIAN_CHANGELOG} changelog_heading LIMIT_COUNT 1)
if(NOT changelog_heading MATCHES "^wordbloom \\(([^ ()]+)-([0-9]+)\\) ")
    message(FATAL_ERROR "${WORDBLOOM_DEBIAN_CHANGELOG}: the first line is not "
                        "\"wordbloom (<version>-<revision>) <distribution>; urgency=<urgency>\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${WORDBLOOM_DEBIAN_CHANGELOG}: the newest entry is for ${CMAKE_MATCH_1}, "
                        "the project is ${PROJECT_VERSION}; add an entry for this version")
endif()
set(WORDBLOOM_DEBIAN_REVISION ${CMAKE_MATCH_2})

file(STRINGS ${WORDBLOOM_DEBIAN_CHANGELOG} changelog_signature REGEX "^ -- " LIMIT_COUNT 1)
if(NOT changelog_signature MATCHES
   "  [A-Z][a-z][a-z], ([0-3][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "${WORDBLOOM_DEBIAN_CHANGELOG}: the newest entry's last line is not "
                        "\" -- <name> <<address>>  <day>, <DD> <Mon> <YYYY> <hh:mm:ss> <zone>\"")
endif()
set(release_day ${CMAKE_MATCH_1})
set(release_year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} release_month)
if(release_month LESS 0)
    message(FATAL_ERROR "${WORDBLOOM_DEBIAN_CHANGELOG}: no such month: ${CMAKE_MATCH_2}")
endif()
math(EXPR release_month "${release_month} + 1")
if(release_month LESS 10)
    set(release_month 0${release_month})
endif()
set(WORDBLOOM_RELEASE_DATE ${release_year}-${release_month}-${release_day})
