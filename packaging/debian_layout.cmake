# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged install tree before it becomes the Debian package.
# These are the changes that make it a Debian game, which an install anywhere
# else (such as into ~/.local, where bin/ is on the player's PATH) must not get.
set(root ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# Debian keeps games in games/. The launcher finds the program and the starter
# files by paths relative to its own folder, which are the same from there.
file(MAKE_DIRECTORY ${root}/games)
file(RENAME ${root}/bin/wordbloom ${root}/games/wordbloom)
file(GLOB left_in_bin ${root}/bin/*)
if(NOT left_in_bin)
    file(REMOVE_RECURSE ${root}/bin)
endif()

file(COPY ${CPACK_WORDBLOOM_DEBIAN_CHANGELOG} DESTINATION ${root}/share/doc/wordbloom)
file(MAKE_DIRECTORY ${root}/share/lintian/overrides)
file(COPY_FILE ${CPACK_WORDBLOOM_LINTIAN_OVERRIDES} ${root}/share/lintian/overrides/wordbloom)

# CPack strips the symbols; the compiler's notes go too, as in Debian's own builds.
execute_process(COMMAND ${CPACK_WORDBLOOM_STRIP} --remove-section=.comment --remove-section=.note
                        ${root}/lib/wordbloom/wordbloom ${root}/lib/wordbloom/modules/progress_window.so
                COMMAND_ERROR_IS_FATAL ANY)
