# The installed tree: `cmake --install` into a temporary prefix, its layout, the
# desktop entry and AppStream metadata validated, and the installed program started
# under its own Xvfb through the bin link and as its desktop entry says. Labelled
# "install"; exit 77 (skipped) where Xvfb and the rest cannot start, except with CI set.
add_test(NAME install_tree
  COMMAND /usr/bin/python3 ${KOLVO_TEST_DIR}/install/install_check.py
          ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
set_tests_properties(install_tree PROPERTIES
  LABELS install
  TIMEOUT 180
  SKIP_RETURN_CODE 77)
