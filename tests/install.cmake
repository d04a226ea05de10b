# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game, both ways it is installed, each started from another directory
# under its own Xvfb and played a little (tests/install/install_check.py):
# - install_tree: `cmake --install` into a temporary prefix, layout and validators;
# - install_package: the .deb made by cpack, lintian, and with CI set installed by apt,
#   played and purged again.
# Labelled "install"; exit 77 (skipped) where a part cannot run here, except with CI set.
foreach(mode tree package)
  add_test(NAME install_${mode}
    COMMAND /usr/bin/python3 ${KOLVO_TEST_DIR}/install/install_check.py ${mode}
            ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
endforeach()
set_tests_properties(install_tree install_package PROPERTIES
  LABELS install
  TIMEOUT 180
  SKIP_RETURN_CODE 77)
