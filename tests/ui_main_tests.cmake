# The main window family: in-process tests that drive the real windows.
# The program's resources come along for the icon and the manifest
# (version 6 common controls).
minamo_test(ui_main_tests
  ui_main_support.cpp
  ui_main_layout_test.cpp
  ui_main_folder_list_test.cpp
  ui_main_new_folder_test.cpp
  ui_main_run_test.cpp
  ui_main_buttons_test.cpp
  ui_main_keyboard_test.cpp
  ui_main_pair_test.cpp
  ui_scale_test.cpp
  window_procedure_test.cpp
  ${CMAKE_SOURCE_DIR}/res/minamo.rc
)
# The window-mode loop too; SetWindowSubclass of comctl32 for the scripts
# that answer modal windows.
target_link_libraries(ui_main_tests PRIVATE minamo_window_mode comctl32)
target_include_directories(ui_main_tests PRIVATE ${PROJECT_BINARY_DIR}/res)
