# `cpack` in a build folder packs what `cmake --install` installs into a .deb
# for Debian 12 (scripts/package does all of it; scripts/test has lintian check
# the package of its plain build).

# No address belongs to the project yet: whoever publishes the package names
# themselves here. The stand-in lies in the domain kept for examples.
set(PINTU_PACKAGE_MAINTAINER "The pintu developers <pintu@example.org>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pintu)
set(CPACK_PACKAGE_VENDOR "The pintu developers")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PINTU_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-tile picture puzzle (拼图)")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick any picture from your disk and a difficulty, from 3x3 to 10x10: pintu cuts
the picture into tiles, turns one corner into the gap and shuffles. Slide the
tiles back until the picture is whole, against a step count and a clock. The
game speaks Simplified Chinese, Traditional Chinese and English, following the
language of the desktop.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PINTU_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the linker never sees them: Qt's window-system
# plugins (X11 and Wayland) and picture plugins, Qt's own Chinese texts
# (standard buttons, command-line help; the game's own translations are built
# into it) and the Song and Kai typefaces every window is drawn in.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
    qt6-qpa-plugins qt6-wayland qt6-image-formats-plugins qt6-translations-l10n fonts-arphic-uming fonts-arphic-ukai)

# What Debian asks of every package beside the program: its licence, its
# changelog and a manual page for each command, packed by gzip -9n, the
# smallest file with no name or time in it.
set(PINTU_DEBIAN_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
configure_file(desktop/debian/changelog.in debian/changelog @ONLY)
set(packed_documents)
foreach(document IN ITEMS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
                          ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/pintu.6
                          ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/pintu-solve.6)
    cmake_path(GET document FILENAME name)
    set(packed ${CMAKE_CURRENT_BINARY_DIR}/debian/${name}.gz)
    add_custom_command(OUTPUT ${packed} COMMAND gzip -9n --stdout ${document} > ${packed} DEPENDS ${document})
    list(APPEND packed_documents ${packed})
endforeach()
add_custom_target(debian_documents ALL DEPENDS ${packed_documents})

install(FILES desktop/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES desktop/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME pintu)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.Debian.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/pintu.6.gz ${CMAKE_CURRENT_BINARY_DIR}/debian/pintu-solve.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

include(CPack)
