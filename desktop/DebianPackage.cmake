# `cpack` in a build folder packs what `cmake --install` installs into a .deb
# for Debian 12 (scripts/package does all of it).
set(PINTU_PACKAGE_MAINTAINER "The pintu developers <pintu@users.noreply.github.com>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pintu)
set(CPACK_PACKAGE_VENDOR "The pintu developers")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/pintu/pintu)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-tile picture puzzle (拼图)")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick any picture from your disk and a difficulty, from 3x3 to 10x10: pintu cuts
the picture into tiles, turns one corner into the gap and shuffles. Slide the
tiles back until the picture is whole, against a step count and a clock. The
game speaks Simplified Chinese.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PINTU_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the linker never sees them: Qt's window-system and
# picture plugins, Qt's own Chinese texts (standard buttons, command-line
# help) and the Song and Kai typefaces every window is drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, fonts-arphic-uming, fonts-arphic-ukai")

include(CPack)
