# A Debian package (.deb) of what `cmake --install` installs: the two
# programs, the menu entry, the icons, the AppStream metainfo and the manual
# pages. `cmake --build build --target package` (or `make package`) writes
# build/quilorn_<version>_amd64.deb.
#
# Only install() rules end up in the package; the tests and benchmarks have
# none, so they stay out of it.

set(QUILORN_MAINTAINER "Quilorn maintainers <maintainers@users.noreply.c-seed-6d883a62.example>"
    CACHE STRING "The Maintainer line of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quilorn")
set(CPACK_PACKAGE_CONTACT "${QUILORN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A release build's debug information would make the package many times
# larger; the installed programs are stripped.
set(CPACK_STRIP_FILES ON)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arrow-clue loop puzzle game and problem editor")
# CPack puts the summary above this text as the Description's first line
# and indents the rest; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Quilorn (くいろん) is a pencil puzzle: draw one closed loop through the
grid so that every cell it misses turns green, no two green cells touch,
and every arrow clue counts exactly the green cells in its direction.

Play the built-in puzzle or your own, race your best time, and compose
new problems; a solver checks that a composed problem has exactly one
answer. The command-line tool quilorn-tool checks, draws, solves and
generates problem files.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILORN_MAINTAINER}")
# The Qt and C++ libraries come from dpkg-shlibdeps, which reads the
# programs' needs; the Japanese font is loaded by name at run time, so no
# binary shows it and it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")

include(CPack)
