# SPDX-License-Identifier: GPL-3.0-or-later
# Sound at a real sink, labelled "audio" like the sound suites (ctest -L audio):
# sound_pulse_playback plays the six files through a private PulseAudio server with a
#   null sink, recorded from its monitor. It skips (77) where PulseAudio cannot start,
#   and fails there instead when CI is set.
set(KOLVO_SOUNDS_DIR ${PROJECT_SOURCE_DIR}/assets/sounds)

add_executable(kolvo-sound-player ${KOLVO_TEST_DIR}/audio/sound_player.cpp)
target_link_libraries(kolvo-sound-player PRIVATE kolvocore kolvo_warnings kolvo_sanitize)
add_test(NAME sound_pulse_playback
  COMMAND bash ${KOLVO_TEST_DIR}/audio/pulse_playback.sh
          $<TARGET_FILE:kolvo-sound-player> ${KOLVO_SOUNDS_DIR})
set_tests_properties(sound_pulse_playback PROPERTIES
  COST 40
  LABELS audio
  TIMEOUT 120
  SKIP_RETURN_CODE 77
  ENVIRONMENT "LC_ALL=C.UTF-8;QT_QPA_PLATFORM=offscreen")
