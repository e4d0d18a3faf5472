# The Debian package: `cpack -G DEB` in a build tree makes
# wordbloom_<version>_<arch>.deb from the install rules above.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wordbloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
