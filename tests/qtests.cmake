# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt Test suites, on the sanitizer build: any report fails the suite. The suites'
# own code is compiled without optimisation, which halves their compile time; the code
# they test keeps its optimisation in the libraries they link. They share one
# precompiled <QtTest>, made with the first of them, which takes another third off.
set(KOLVO_QTEST_PCH_OWNER platform_test)
function(kolvo_qtest name)
  add_executable(${name} ${KOLVO_TEST_DIR}/${name}.cpp ${ARGN})
  target_include_directories(${name} PRIVATE ${KOLVO_TEST_DIR})
  target_link_libraries(${name} PRIVATE kolvocore Qt6::Test kolvo_warnings kolvo_sanitize)
  target_compile_options(${name} PRIVATE -O0)
  if(name STREQUAL KOLVO_QTEST_PCH_OWNER)
    target_precompile_headers(${name} PRIVATE <QtTest>)
  else()
    target_precompile_headers(${name} REUSE_FROM ${KOLVO_QTEST_PCH_OWNER})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    LABELS "qtest;sanitize"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()

# The rules' own suite links the rules alone: no window can creep into them.
add_executable(evaluation_test ${KOLVO_TEST_DIR}/evaluation_test.cpp)
target_link_libraries(evaluation_test PRIVATE kolvorules Qt6::Test kolvo_warnings kolvo_sanitize)
target_compile_options(evaluation_test PRIVATE -O0)
add_test(NAME evaluation_test COMMAND evaluation_test)
set_tests_properties(evaluation_test PROPERTIES LABELS "qtest;sanitize" TIMEOUT 300)

foreach(name
    platform_test rastercopy_test art_test
    sound_playsound_test sound_sdlmedia_test
    intro_test rul_test app_test
    arena_layout_test rolling_test keyboard_test game_flow_test endgame_test game_table_test
    sheet_content_test language_test)
  kolvo_qtest(${name})
endforeach()

# The game's sound calls against the recording fake, and the SDL service on SDL's dummy
# output (no server needed); the cut soundfont is checked against the whole one by
# rendering both with FluidSynth.
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
target_link_libraries(sound_sdlmedia_test PRIVATE PkgConfig::FLUIDSYNTH)
# FluidSynth's flags (_DEFAULT_SOURCE, -pthread) do not fit the shared <QtTest>.
set_target_properties(sound_sdlmedia_test PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)
target_compile_definitions(sound_sdlmedia_test PRIVATE KOLVO_SOUNDS_DIR="${PROJECT_SOURCE_DIR}/assets/sounds")
set_property(TEST sound_playsound_test sound_sdlmedia_test APPEND PROPERTY LABELS audio)

# The gate itself: a fault of each kind must fail its run.
add_executable(sanitizer_gate ${KOLVO_TEST_DIR}/sanitizer/gate.cpp)
target_link_libraries(sanitizer_gate PRIVATE kolvo_warnings kolvo_sanitize)
foreach(mode undefined address leak)
  # Passes only when the run fails and its output carries the sanitizer's report.
  add_test(NAME sanitizer_gate_${mode}
    COMMAND sh -c "out=$(\"$0\" \"$1\" 2>&1); code=$?; printf '%s\\n' \"$out\"; case \"$out\" in *'runtime error'*|*AddressSanitizer*|*LeakSanitizer*) [ $code -ne 0 ];; *) exit 1;; esac"
            $<TARGET_FILE:sanitizer_gate> ${mode})
  set_tests_properties(sanitizer_gate_${mode} PROPERTIES LABELS sanitize)
endforeach()
