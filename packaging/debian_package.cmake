# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build tree makes
# wordbloom_<version>-<revision>_<arch>.deb from the install rules above, laid
# out as Debian lays out a game by debian_layout.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wordbloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${WORDBLOOM_DEBIAN_REVISION})
set(CPACK_PACKAGE_VENDOR "Wordbloom developers")
set(CPACK_PACKAGE_CONTACT "Wordbloom developers <maintainers@wordbloom.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word association game for the keyboard")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pick a topic, or let the game draw one, and type one association after\n\
another before the time runs out. Every answer is judged at once as new for\n\
the topic, given in an earlier game, or already given in this game; the game\n\
keeps every answer and a play history in Shift_JIS text files in the\n\
player's data folder.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the program's own links; the font is the one the
# window is drawn with, which no library pulls in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libarchive is loaded only when an archive is imported, so the shared
# library dependencies do not show it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, libarchive13")
# Without Qt's Wayland plugin the game still runs on a Wayland desktop, through
# XWayland; with it, natively.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# What only the Debian package carries, put in place by debian_layout.cmake.
set(debian_changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.Debian.gz)
wordbloom_gzip(${WORDBLOOM_DEBIAN_CHANGELOG} ${debian_changelog})
add_custom_target(wordbloom_debian_changelog ALL DEPENDS ${debian_changelog})
set(CPACK_WORDBLOOM_DEBIAN_CHANGELOG ${debian_changelog})
set(CPACK_WORDBLOOM_LINTIAN_OVERRIDES ${CMAKE_CURRENT_SOURCE_DIR}/debian/lintian-overrides)
set(CPACK_WORDBLOOM_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/debian_layout.cmake)
include(CPack)
