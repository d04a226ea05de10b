# SPDX-License-Identifier: GPL-3.0-or-later
# The sound files sit beside the executable: the game plays them from its own
# directory, and the set-up tune from the working directory, which for `make run` is
# the build directory too. They are made by tools/soundgen (kolvo-soundgen
# assets/sounds) and committed.
set(KOLVO_SOUND_FILES Roll.wav glass.wav claps.wav clap.wav Congratulations.mid I3IK.MID)
set(kolvo_sound_copies)
foreach(sound ${KOLVO_SOUND_FILES})
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${sound}
    COMMAND ${CMAKE_COMMAND} -E copy
            ${PROJECT_SOURCE_DIR}/assets/sounds/${sound} ${CMAKE_BINARY_DIR}/${sound}
    DEPENDS ${PROJECT_SOURCE_DIR}/assets/sounds/${sound}
    COMMENT "Copying ${sound} beside the program"
    VERBATIM)
  list(APPEND kolvo_sound_copies ${CMAKE_BINARY_DIR}/${sound})
endforeach()
add_custom_target(kolvo-sounds ALL DEPENDS ${kolvo_sound_copies})
add_dependencies(kolvoui kolvo-sounds)
