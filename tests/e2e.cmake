# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end tests, labelled "e2e" (ctest -L e2e): the built program played under its
# own Xvfb, D-Bus session, accessibility bus and PulseAudio null sink, with real input
# events (xdotool), read from the outside (X properties, AT-SPI, the per-user store,
# the sink's monitor). They need the system python (/usr/bin/python3) with python3-gi
# and python3-xlib. Exit 77 (skipped) where that environment cannot start, except with
# CI set, where it fails. Screenshots of what was checked go to e2e-shots/.
set(KOLVO_E2E_DIR ${KOLVO_TEST_DIR}/e2e)
set(KOLVO_E2E_SHOTS ${CMAKE_BINARY_DIR}/e2e-shots)

if(KOLVO_SANITIZE)
  # One whole game on the sanitizer build.
  add_test(NAME e2e_games
    COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/play_games.py $<TARGET_FILE:kolvo>
            --shots ${KOLVO_E2E_SHOTS}/games)
  # COST: the longest tests start first, while the short suites fill the other slot.
  set_tests_properties(e2e_games PROPERTIES LABELS "e2e;sanitize" TIMEOUT 300 SKIP_RETURN_CODE 77 COST 100)
  return()
endif()

add_test(NAME e2e_screen_reader
  COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/screen_reader.py $<TARGET_FILE:kolvo>
          --shots ${KOLVO_E2E_SHOTS}/screen_reader)
# The windows' looks: screenshots of the three windows at scale 1 and 2, reached by
# keyboard, kept in e2e-shots/looks; held dice measured against free ones on every style.
add_test(NAME e2e_looks
  COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/play_games.py $<TARGET_FILE:kolvo>
          --looks --shots ${KOLVO_E2E_SHOTS}/looks)
# A person by keyboard against two perfect computers, each computer move checked against the
# solver's ranking, which the small probe below gives.
add_executable(solver_probe ${KOLVO_E2E_DIR}/solver_probe.cpp)
target_link_libraries(solver_probe PRIVATE kolvorules kolvo_warnings kolvo_sanitize)
add_test(NAME e2e_computer
  COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/play_games.py $<TARGET_FILE:kolvo>
          --computer $<TARGET_FILE:solver_probe> --shots ${KOLVO_E2E_SHOTS}/computer)
set_tests_properties(e2e_computer PROPERTIES LABELS e2e TIMEOUT 420 SKIP_RETURN_CODE 77 COST 100)
# A game of two by keys heard through Orca under a window manager, then one against the
# computer from its form: what Orca said, read from its speech log, holds each roll, hold,
# write, turn and the end, the window's words before any game, the standings, the coach's
# advice, the third roll and the form's changes, once each, in order and in time.
add_test(NAME e2e_orca
  COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/screen_reader.py $<TARGET_FILE:kolvo>
          --orca --shots ${KOLVO_E2E_SHOTS}/orca)
# Alone: a screen reader on a loaded machine falls behind the game's events and drops what
# the test listens for.
set_tests_properties(e2e_orca PROPERTIES LABELS e2e TIMEOUT 300 SKIP_RETURN_CODE 77 COST 100 RUN_SERIAL ON)
# The side windows beside the main window under a window manager, on four screen sizes:
# screenshots in e2e-shots/placement, frames read from the X server, a turn by clicks.
add_test(NAME e2e_placement
  COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/play_games.py $<TARGET_FILE:kolvo>
          --placement --shots ${KOLVO_E2E_SHOTS}/placement)
set_tests_properties(e2e_placement PROPERTIES LABELS e2e TIMEOUT 300 SKIP_RETURN_CODE 77 COST 50)
# A game of two and one against the computer in English, every window read over AT-SPI, then
# Swedish chosen in the middle of the second: the design's texts, the game as it was.
add_test(NAME e2e_language
  COMMAND /usr/bin/python3 ${KOLVO_E2E_DIR}/language_game.py $<TARGET_FILE:kolvo>
          --shots ${KOLVO_E2E_SHOTS}/language)
set_tests_properties(e2e_language PROPERTIES LABELS e2e TIMEOUT 300 SKIP_RETURN_CODE 77 COST 100)
set_tests_properties(e2e_looks PROPERTIES COST 50)
set_tests_properties(e2e_screen_reader e2e_looks PROPERTIES
  LABELS e2e
  TIMEOUT 180
  SKIP_RETURN_CODE 77)
