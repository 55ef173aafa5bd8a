# The main window: the board view, its pictures and status bar, the menu and the settings.
list(APPEND QUORBIX_MAINWINDOW_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/Quorbix.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Quorbix.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Quorbix.ui
  ${CMAKE_CURRENT_SOURCE_DIR}/Bevel.h
  ${CMAKE_CURRENT_SOURCE_DIR}/DrawGrid.h
  ${CMAKE_CURRENT_SOURCE_DIR}/DrawGrid.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardView.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardView.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PictureTable.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PictureTable.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/StatusPanels.h
  ${CMAKE_CURRENT_SOURCE_DIR}/StatusPanels.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuSupport.h
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuSupport.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowSettings.h
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowSettings.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardSpeech.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardSpeech.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LeafAccessible.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardAccessible.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardAccessible.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/StatusAccessible.h
  ${CMAKE_CURRENT_SOURCE_DIR}/StatusAccessible.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ActionAccessible.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ActionAccessible.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Accessibility.h
  ${CMAKE_CURRENT_SOURCE_DIR}/AccessibleEvents.h
  ${CMAKE_CURRENT_SOURCE_DIR}/AccessibleEvents.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Accessibility.cpp
)
list(APPEND QUORBIX_MAINWINDOW_LIBS quorbix_engine quorbix_platform quorbix_resources quorbix_scores quorbix_about quorbix_menuskin)
