# The code table viewer: its tests and the test EUDC fonts they draw with.

# Fonts made by scripts/make-test-font.py, never taken from a product:
# EUDCTEST.TTF has a few shapes from U+E000 (Shift-JIS F040), and
# EUDCPATTERN.TTF draws every code point of U+E000-U+F8FF as a pattern of
# blocks that spells out its own code, so a picture of a cell tells which
# code point was drawn.
set(MINAMO_TEST_FONTS ${CMAKE_BINARY_DIR}/test-fonts)
set(MINAMO_FONT_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/make-test-font.py)
add_custom_command(
  OUTPUT ${MINAMO_TEST_FONTS}/EUDCTEST.TTF ${MINAMO_TEST_FONTS}/EUDCPATTERN.TTF
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MINAMO_TEST_FONTS}
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/EUDCTEST.TTF
          --family EUDCTest --count 8
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/EUDCPATTERN.TTF
          --family EUDCPattern --pattern
  DEPENDS ${MINAMO_FONT_SCRIPT}
  COMMENT "Making the test EUDC fonts")
add_custom_target(code_table_test_fonts ALL
  DEPENDS ${MINAMO_TEST_FONTS}/EUDCTEST.TTF ${MINAMO_TEST_FONTS}/EUDCPATTERN.TTF)

minamo_test(code_table_tests
  code_table_support.cpp
  code_table_numbering_test.cpp
  code_table_window_test.cpp
  code_table_parts_test.cpp
)
target_link_libraries(code_table_tests PRIVATE minamo_ui)
add_dependencies(code_table_tests code_table_test_fonts)
