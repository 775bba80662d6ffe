# The code table viewer: its tests and the test EUDC fonts they draw with.

# Fonts made by scripts/make-test-font.py, never taken from a product:
# EUDCTEST.TTF has a few shapes from U+E000 (Shift-JIS F040), and
# EUDCPATTERN.TTF draws every code point of U+E000-U+F8FF as a pattern of
# blocks that spells out its own code, so a picture of a cell tells which
# code point was drawn.
set(MINAMO_TEST_FONTS ${CMAKE_BINARY_DIR}/test-fonts)
set(MINAMO_FONT_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/make-test-font.py)
# OLDEUDC.TTE, NEWEUDC.TTE and MOREEUDC.TTE are an installed font and two
# that could replace it: the new one lacks F040, draws F042 otherwise and
# adds F044; the other only adds F044.
set(MINAMO_FONT_FILES EUDCTEST.TTF EUDCPATTERN.TTF OLDEUDC.TTE NEWEUDC.TTE MOREEUDC.TTE)
list(TRANSFORM MINAMO_FONT_FILES PREPEND ${MINAMO_TEST_FONTS}/)
add_custom_command(
  OUTPUT ${MINAMO_FONT_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MINAMO_TEST_FONTS}
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/EUDCTEST.TTF
          --family EUDCTest --count 8
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/EUDCPATTERN.TTF
          --family EUDCPattern --pattern
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/OLDEUDC.TTE --codes E000,E001,E002,E003
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/NEWEUDC.TTE --codes E001,E002,E003,E004
          --changed E002
  COMMAND /usr/bin/python3 ${MINAMO_FONT_SCRIPT} ${MINAMO_TEST_FONTS}/MOREEUDC.TTE
          --codes E000,E001,E002,E003,E004
  DEPENDS ${MINAMO_FONT_SCRIPT}
  COMMENT "Making the test EUDC fonts")
add_custom_target(code_table_test_fonts ALL DEPENDS ${MINAMO_FONT_FILES})

minamo_test(code_table_tests
  code_table_support.cpp
  code_table_numbering_test.cpp
  code_table_window_test.cpp
  code_table_parts_test.cpp
)
target_link_libraries(code_table_tests PRIVATE minamo_ui)
add_dependencies(code_table_tests code_table_test_fonts)
# The candidate window's test maps with the shape index's test fonts.
add_dependencies(code_table_tests map_test_fonts)
