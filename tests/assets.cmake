# SPDX-License-Identifier: GPL-3.0-or-later
# The generators under tools/ still make the committed assets. A tree without them
# (KOLVO_BUILD_TOOLS off, as the dev preset has it) keeps the test and reports it skipped,
# so that it never silently goes missing; with CI set it fails there instead.
if(TARGET kolvo-soundgen AND TARGET kolvo-artgen)
  add_test(NAME assets_regenerate
    COMMAND bash ${KOLVO_TEST_DIR}/assets/regenerate.sh
            $<TARGET_FILE:kolvo-soundgen> $<TARGET_FILE:kolvo-artgen> ${PROJECT_SOURCE_DIR}/assets)
else()
  add_test(NAME assets_regenerate
    COMMAND sh -c "echo 'kolvo-soundgen and kolvo-artgen are not built in this tree (KOLVO_BUILD_TOOLS=OFF); the test preset builds them'; [ -n \"$CI\" ] && exit 1; exit 77")
  set_tests_properties(assets_regenerate PROPERTIES SKIP_RETURN_CODE 77)
endif()
set_tests_properties(assets_regenerate PROPERTIES TIMEOUT 120)
