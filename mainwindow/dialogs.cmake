# The select-images dialog and the image dispersion window.
list(APPEND QUORBIX_MAINWINDOW_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/imgCmbo.h
  ${CMAKE_CURRENT_SOURCE_DIR}/imgCmbo.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/imgCmbo.ui
  ${CMAKE_CURRENT_SOURCE_DIR}/DispersU.h
  ${CMAKE_CURRENT_SOURCE_DIR}/DispersU.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/DispersU.ui
  ${CMAKE_CURRENT_SOURCE_DIR}/PictureNames.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PictureNames.cpp
)
list(APPEND QUORBIX_MAINWINDOW_LIBS quorbix_engine quorbix_platform quorbix_resources quorbix_menuskin)
