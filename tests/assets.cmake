# SPDX-License-Identifier: GPL-3.0-or-later
# The generators under tools/ still make the committed assets.
if(TARGET kolvo-soundgen AND TARGET kolvo-artgen)
  add_test(NAME assets_regenerate
    COMMAND bash ${KOLVO_TEST_DIR}/assets/regenerate.sh
            $<TARGET_FILE:kolvo-soundgen> $<TARGET_FILE:kolvo-artgen> ${PROJECT_SOURCE_DIR}/assets)
  set_tests_properties(assets_regenerate PROPERTIES TIMEOUT 120)
endif()
