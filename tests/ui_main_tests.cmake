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
  ${CMAKE_SOURCE_DIR}/res/minamo.rc
)

# No window manager runs under Xvfb, and Wine waits two seconds for one
# each time it hides a managed window; the prefix is told to manage none.
add_test(NAME ui_main_unmanaged_windows
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run reg add "HKCU\\Software\\Wine\\X11 Driver"
                 /v Managed /d N /f)
set_tests_properties(ui_main_unmanaged_windows PROPERTIES FIXTURES_SETUP unmanaged_windows)
set_tests_properties(ui_main_tests PROPERTIES FIXTURES_REQUIRED unmanaged_windows)
