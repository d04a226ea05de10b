# Installation: the program and its six sound files in one directory, the program
# directory, where the game looks for its sounds; a link to it in bin; a desktop entry
# that starts it in that directory, where the set-up tune is looked for; the icons;
# AppStream metadata.
#
#   cmake --install build --prefix /usr/local
#
# gives <prefix>/lib/kolvo/{kolvo,Roll.wav,...}, <prefix>/bin/kolvo -> ../lib/kolvo/kolvo,
# <prefix>/share/applications/se.kolvo.Kolvo.desktop,
# <prefix>/share/icons/hicolor/NxN/apps/se.kolvo.Kolvo.png and
# <prefix>/share/metainfo/se.kolvo.Kolvo.metainfo.xml.
# The desktop entry names absolute paths, so it is written at install time, when the
# prefix given to `cmake --install` is known.

set(KOLVO_APP_ID se.kolvo.Kolvo)
set(KOLVO_PROGRAM_SUBDIR lib/kolvo)
set(KOLVO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS kolvo RUNTIME DESTINATION ${KOLVO_PROGRAM_SUBDIR})

# The sound files as the build placed them beside the program.
set(kolvo_installed_sounds)
foreach(sound ${KOLVO_SOUND_FILES})
  list(APPEND kolvo_installed_sounds ${CMAKE_BINARY_DIR}/${sound})
endforeach()
install(FILES ${kolvo_installed_sounds} DESTINATION ${KOLVO_PROGRAM_SUBDIR})

# bin/kolvo, a relative link, so the installed tree can be moved as a whole. The
# program finds its directory through the link's target.
install(CODE "
  set(kolvo_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${kolvo_bin}\")
  file(REMOVE \"\${kolvo_bin}/kolvo\")
  file(CREATE_LINK ../${KOLVO_PROGRAM_SUBDIR}/kolvo \"\${kolvo_bin}/kolvo\" SYMBOLIC)
  message(STATUS \"Installing: \${kolvo_bin}/kolvo -> ../${KOLVO_PROGRAM_SUBDIR}/kolvo\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/bin/kolvo\")
")

# The desktop entry, with the install prefix filled in.
install(CODE "
  set(KOLVO_PROGRAM_DIR \"\${CMAKE_INSTALL_PREFIX}/${KOLVO_PROGRAM_SUBDIR}\")
  set(KOLVO_BIN \"\${CMAKE_INSTALL_PREFIX}/bin/kolvo\")
  set(KOLVO_APP_ID ${KOLVO_APP_ID})
  configure_file(\"${KOLVO_PACKAGING_DIR}/kolvo.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/packaging/${KOLVO_APP_ID}.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/packaging/${KOLVO_APP_ID}.desktop\"
       DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications\")
")

foreach(size 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/kolvo-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${KOLVO_APP_ID}.png)
endforeach()
# The main window's own 32-pixel icon, the blank die.
install(FILES ${PROJECT_SOURCE_DIR}/assets/images/icon-arena.png
        DESTINATION share/icons/hicolor/32x32/apps
        RENAME ${KOLVO_APP_ID}.png)

install(FILES ${KOLVO_PACKAGING_DIR}/${KOLVO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
