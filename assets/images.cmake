# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures are compiled into kolvoui, so every program that links it (the game,
# installed or not, and the tests) finds them under :/images/.
# They are made by tools/artgen (kolvo-artgen assets/images) and committed; each at
# scale 1 and, for high-density screens, at twice and three times the pixels
# (name@2x.png, name@3x.png), which ui::loadPicture and QIcon pick by the screen. A
# picture with words has them in English too (name_en.png), which ui::loadPicture picks
# when the program is shown in English.
set(kolvo_images)
foreach(picture faces title forward icon-kolvo icon-arena title_en forward_en)
  foreach(suffix "" "@2x" "@3x")
    list(APPEND kolvo_images ${PROJECT_SOURCE_DIR}/assets/images/${picture}${suffix}.png)
  endforeach()
endforeach()
qt_add_resources(kolvoui "kolvo_images"
  PREFIX "/images"
  BASE ${PROJECT_SOURCE_DIR}/assets/images
  FILES ${kolvo_images})
