# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source is as clang-format leaves it, with the project's .clang-format.
find_program(KOLVO_CLANG_FORMAT clang-format)
if(KOLVO_CLANG_FORMAT)
  add_test(NAME format_check COMMAND bash ${KOLVO_TEST_DIR}/format/check.sh ${PROJECT_SOURCE_DIR})
  set_tests_properties(format_check PROPERTIES LABELS format TIMEOUT 120)
endif()
