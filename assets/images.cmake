# The pictures are compiled into kolvocore, so every program that links it (the game,
# installed or not, and the tests) finds them under :/images/.
# They are made by tools/artgen (kolvo-artgen assets/images) and committed.
qt_add_resources(kolvocore "kolvo_images"
  PREFIX "/images"
  BASE ${PROJECT_SOURCE_DIR}/assets/images
  FILES
    ${PROJECT_SOURCE_DIR}/assets/images/faces.png
    ${PROJECT_SOURCE_DIR}/assets/images/title.png
    ${PROJECT_SOURCE_DIR}/assets/images/forward.png
    ${PROJECT_SOURCE_DIR}/assets/images/icon-intro.png
    ${PROJECT_SOURCE_DIR}/assets/images/icon-rul.png
    ${PROJECT_SOURCE_DIR}/assets/images/icon-arena.png)
