# SPDX-License-Identifier: GPL-3.0-or-later
# Installation in the layout Debian gives games, under any prefix:
#
#   <prefix>/games/kolvo                    the command: a script that starts the
#                                           program in its own directory
#   <prefix>/lib/games/kolvo/kolvo          the program
#   <prefix>/lib/games/kolvo/<sound>        relative links to the sounds, where the
#                                           program looks for them: five beside the
#                                           executable, the set-up tune in the working
#                                           directory, which the command makes this one
#   <prefix>/share/games/kolvo/<sound>      the six sound files
#   <prefix>/share/applications/<id>.desktop
#   <prefix>/share/icons/hicolor/{NxN,scalable}/apps/<id>.{png,svg}
#   <prefix>/share/metainfo/<id>.metainfo.xml
#   <prefix>/share/man/{,sv/}man6/kolvo.6.gz
#   <prefix>/share/doc/kolvo/{copyright,changelog.gz}
#
#   cmake --install build --prefix /usr/local
#
# Nothing here needs more than the program's target to be built, so `cmake --install`
# (and cpack) works after `cmake --build build --target kolvo`, and does not build the
# tests and tools first. The desktop entry names the command by its absolute path, so
# it is written at install time, when the prefix is known.
# The Debian package (package.cmake) is this tree under /usr.

set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(KOLVO_APP_ID io.github.kolvo.kolvo)
set(KOLVO_PROGRAM_SUBDIR lib/games/kolvo)
set(KOLVO_DATA_SUBDIR share/games/kolvo)
set(KOLVO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# The sounds are those that assets/sounds.cmake names.
if(NOT KOLVO_SOUND_FILES)
  message(FATAL_ERROR "packaging/install.cmake is included before KOLVO_SOUND_FILES is set")
endif()

# Debian's hardening: relocations read-only and bound at start.
target_link_options(kolvo PRIVATE "LINKER:-z,relro,-z,now")
install(TARGETS kolvo RUNTIME DESTINATION ${KOLVO_PROGRAM_SUBDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's
# own builds do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KOLVO_PROGRAM_SUBDIR}/kolvo\")
  endif()
")
install(PROGRAMS ${KOLVO_PACKAGING_DIR}/kolvo.sh DESTINATION games RENAME kolvo)

set(kolvo_sound_sources)
foreach(sound ${KOLVO_SOUND_FILES})
  list(APPEND kolvo_sound_sources ${PROJECT_SOURCE_DIR}/assets/sounds/${sound})
endforeach()
install(FILES ${kolvo_sound_sources} DESTINATION ${KOLVO_DATA_SUBDIR})

# Relative links, so the tree works under any prefix and moves as a whole.
install(CODE "
  set(kolvo_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KOLVO_PROGRAM_SUBDIR}\")
  file(MAKE_DIRECTORY \"\${kolvo_dir}\")
  foreach(sound ${KOLVO_SOUND_FILES})
    file(REMOVE \"\${kolvo_dir}/\${sound}\")
    file(CREATE_LINK \"../../../${KOLVO_DATA_SUBDIR}/\${sound}\" \"\${kolvo_dir}/\${sound}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${KOLVO_PROGRAM_SUBDIR}/\${sound}\")
  endforeach()
  message(STATUS \"Installing: \${kolvo_dir}/<sound> -> ../../../${KOLVO_DATA_SUBDIR}/<sound>\")
")

install(CODE "
  set(KOLVO_COMMAND \"\${CMAKE_INSTALL_PREFIX}/games/kolvo\")
  set(KOLVO_APP_ID ${KOLVO_APP_ID})
  set(entry \"\${CMAKE_INSTALL_PREFIX}/share/applications/${KOLVO_APP_ID}.desktop\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${entry}\")
  configure_file(\"${KOLVO_PACKAGING_DIR}/${KOLVO_APP_ID}.desktop.in\" \"\$ENV{DESTDIR}\${entry}\" @ONLY)
  # configure_file copies the source's mode, which follows the umask of whoever checked it out.
  file(CHMOD \"\$ENV{DESTDIR}\${entry}\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${entry}\")
")

# The desktop icon at whichever of the freedesktop sizes the generator has made.
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${PROJECT_SOURCE_DIR}/assets/icons/kolvo-${size}.png)
  if(EXISTS ${icon})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${KOLVO_APP_ID}.png)
  endif()
endforeach()
if(EXISTS ${PROJECT_SOURCE_DIR}/assets/icons/kolvo.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/kolvo.svg
          DESTINATION share/icons/hicolor/scalable/apps RENAME ${KOLVO_APP_ID}.svg)
endif()

install(FILES ${KOLVO_PACKAGING_DIR}/${KOLVO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${KOLVO_PACKAGING_DIR}/copyright DESTINATION share/doc/kolvo)

# Manual pages and the changelog compressed as Debian wants them: gzip -9, no name or
# time stamp, so the same source gives the same bytes.
find_program(KOLVO_GZIP gzip REQUIRED)
function(kolvo_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  install(CODE "
    set(dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}\")
    file(MAKE_DIRECTORY \"\${dir}\")
    message(STATUS \"Installing: \${dir}/${name}.gz\")
    execute_process(COMMAND \"${KOLVO_GZIP}\" -9 -n -c \"${source}\"
                    OUTPUT_FILE \"\${dir}/${name}.gz\" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR \"gzip ${source}: \${failed}\")
    endif()
    file(CHMOD \"\${dir}/${name}.gz\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${destination}/${name}.gz\")
  ")
endfunction()
kolvo_install_gzipped(${KOLVO_PACKAGING_DIR}/man/kolvo.6 share/man/man6)
kolvo_install_gzipped(${KOLVO_PACKAGING_DIR}/man/sv/kolvo.6 share/man/sv/man6)
kolvo_install_gzipped(${KOLVO_PACKAGING_DIR}/changelog share/doc/kolvo)

include(${KOLVO_PACKAGING_DIR}/package.cmake)
