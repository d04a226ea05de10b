# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: the installed tree of install.cmake under /usr, made by CPack from
# a build in which the program is built (`make package`, or `cpack -G DEB` in the build
# directory), with the stripped program and the dependencies dpkg-shlibdeps finds.
#
# Runtime needs that no library link shows are named here: SDL2_mixer (which may be
# loaded only when the first sound is asked for) and the soundfont the tunes are played
# with. The maintainer field, the changelog's trailer and the metainfo's contact are
# the same address; set KOLVO_PACKAGE_MAINTAINER to change the package's.

set(KOLVO_PACKAGE_MAINTAINER "Kolvo developers <kolvo@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KOLVO_PACKAGE_MAINTAINER}")
# Installed with DESTDIR, so the desktop entry names the final prefix, not the
# staging directory.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KOLVO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/kolvo/kolvo)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The audio libraries are opened at the first sound rather than linked, so
# dpkg-shlibdeps cannot see them: they are named here, with the soundfont of the tunes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libsdl2-mixer-2.0-0, libfluidsynth3, timgm6mb-soundfont")
# Swedish texts of Qt's own dialog parts; the design's faces.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2 | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "dice game for one to six players at one computer
Kolvo is a Swedish dice game for one to six people who share one computer.
Each player rolls five dice up to three times a turn, holds the dice worth
keeping and writes the score into one of fifteen categories, or gives a
category up for zero. An upper-section sum of 63 or more earns a bonus of 50.
The best total is kept as a record between games.
.
The game is played with the mouse or the keyboard, in Swedish.")

include(CPack)
