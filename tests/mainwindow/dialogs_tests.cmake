# Tests of the select-images dialog and the image dispersion window.
list(APPEND QUORBIX_MAINWINDOW_TEST_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/ImgCmboTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/DispersUTest.cpp
)
