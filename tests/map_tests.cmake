# /map, with the fonts of tests/native/shape_fonts.py: a reference font cut
# from IPAmj Mincho, an EUDC font of IPA Mincho's drawings, IPA Gothic cut.
set(MINAMO_SHAPE_FONTS ${CMAKE_BINARY_DIR}/test-fonts/shapes)
add_custom_command(
  OUTPUT ${MINAMO_SHAPE_FONTS}/reference.ttf ${MINAMO_SHAPE_FONTS}/eudc.ttf ${MINAMO_SHAPE_FONTS}/eudc.txt
         ${MINAMO_SHAPE_FONTS}/gothic.ttf
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/native/shape_fonts.py ${MINAMO_SHAPE_FONTS}
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/shape_fonts.py
  COMMENT "Making the shape index's test fonts")
add_custom_target(map_test_fonts DEPENDS ${MINAMO_SHAPE_FONTS}/reference.ttf)
minamo_test(map_tests map_test.cpp)
add_dependencies(map_tests map_test_fonts minamo)
