# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the program shows is Swedish in its code, marked for lupdate (platform/Text.h),
# and translated in translations/kolvo_<code>.ts. The catalogues are made from those at
# build time (lrelease) and compiled into kolvoplatform under :/i18n/, so every program
# that links it, the game and the tests, finds each language there (platform/Language.cpp).
#
# `make translations` (the target `translations`) brings the .ts files up to date with the
# code's texts: new ones come in unfinished for a translator, gone ones are marked vanished.
# The test translations_check fails until every text has its translation.
set(KOLVO_LANGUAGES en)
set(KOLVO_TS_FILES)
foreach(code ${KOLVO_LANGUAGES})
  list(APPEND KOLVO_TS_FILES ${PROJECT_SOURCE_DIR}/translations/kolvo_${code}.ts)
endforeach()

# What lupdate reads: every source of the libraries that show or say something, and main.
set(KOLVO_TEXT_SOURCES ${PROJECT_SOURCE_DIR}/main.cpp)
foreach(library kolvoplatform kolvosound kolvoui kolvoarena kolvoapp)
  get_target_property(sources ${library} SOURCES)
  foreach(source ${sources})
    if(source MATCHES "\\.(h|cpp)$" AND NOT IS_ABSOLUTE "${source}")
      list(APPEND KOLVO_TEXT_SOURCES ${PROJECT_SOURCE_DIR}/${source})
    endif()
  endforeach()
endforeach()
list(JOIN KOLVO_TEXT_SOURCES "\n" sources_lines)
file(WRITE ${CMAKE_BINARY_DIR}/kolvo_text_sources.lst "${sources_lines}\n")
# No line numbers in the catalogues: a change elsewhere in a file leaves them as they are.
set(KOLVO_LUPDATE_OPTIONS -locations none -source-language sv -no-ui-lines)

qt_add_lupdate(kolvoplatform
  TS_FILES ${KOLVO_TS_FILES}
  SOURCES ${KOLVO_TEXT_SOURCES}
  OPTIONS ${KOLVO_LUPDATE_OPTIONS}
  NO_GLOBAL_TARGET)
add_custom_target(translations)
add_dependencies(translations kolvoplatform_lupdate)

qt_add_lrelease(kolvoplatform
  TS_FILES ${KOLVO_TS_FILES}
  OPTIONS -silent
  QM_FILES_OUTPUT_VARIABLE kolvo_qm_files
  NO_GLOBAL_TARGET)
qt_add_resources(kolvoplatform "kolvo_translations"
  PREFIX "/i18n"
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${kolvo_qm_files})
