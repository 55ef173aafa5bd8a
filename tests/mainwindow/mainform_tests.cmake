# The main window's tests: play through real events, what the window shows, the settings file,
# its sounds through a real sound server.
list(APPEND QUORBIX_MAINWINDOW_TEST_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/MainFormFixture.h
  ${CMAKE_CURRENT_SOURCE_DIR}/QuorbixPlayTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/QuorbixViewTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/QuorbixSettingsTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PictureScaleTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/QuorbixSoundTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/AccessibilityTest.cpp
)
