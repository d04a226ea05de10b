# SPDX-License-Identifier: GPL-3.0-or-later
# The start-up and set-up windows once more on a screen of twice the pixel density
# (QT_SCALE_FACTOR=2): the pictures drawn for it, and the faces copied from the sheet
# without losing a device pixel.
foreach(name intro_test rul_test)
  add_test(NAME ${name}_scale2 COMMAND ${name})
  set_tests_properties(${name}_scale2 PROPERTIES
    LABELS "qtest;sanitize"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=2"
    TIMEOUT 300)
endforeach()
# The side windows' layout once more with the sizes the windows take at that density.
add_test(NAME keyboard_test_layout_scale2 COMMAND keyboard_test sideWindowLayout sideWindowsFollowTheMainWindow)
set_tests_properties(keyboard_test_layout_scale2 PROPERTIES
  LABELS "qtest;sanitize"
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=2"
  TIMEOUT 300)
