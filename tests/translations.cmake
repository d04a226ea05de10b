# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the program shows has its translation in every catalogue (translations/):
# lupdate reads the sources into a copy of each, which must then be finished.
add_test(NAME translations_check
  COMMAND /usr/bin/python3 ${KOLVO_TEST_DIR}/translations/check_catalogue.py
          $<TARGET_FILE:Qt6::lupdate> ${CMAKE_BINARY_DIR}/kolvo_text_sources.lst ${KOLVO_TS_FILES}
          -- ${KOLVO_LUPDATE_OPTIONS})
set_tests_properties(translations_check PROPERTIES LABELS translations TIMEOUT 120)
