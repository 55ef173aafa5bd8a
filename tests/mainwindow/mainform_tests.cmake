# The main window's tests: play through real events, what the window shows, the settings file,
# its sounds through a real sound server.
list(APPEND QUORBIX_MAINWINDOW_TEST_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/MainFormFixture.h
  ${CMAKE_CURRENT_SOURCE_DIR}/test_Quorbix_play.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_Quorbix_view.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_Quorbix_settings.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_PictureScale.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_Quorbix_sound.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_Accessibility.cpp
)
