# The shape index of a reference font: plain C++ without a Windows call,
# listed once for the program's build (engine/) and the native one with
# sanitizers and the fuzzer (tests/native/).
set(MINAMO_SHAPES_SOURCES
  engine/shapes/reference_characters.cpp
  engine/shapes/reference_names.cpp
  engine/shapes/jis_x0213.cpp
  engine/shapes/glyph_outline.cpp
  engine/shapes/rasterizer.cpp
  engine/shapes/shape_feature.cpp
  engine/shapes/normalization.cpp
  engine/shapes/feature_dot.cpp
  engine/shapes/shape_index.cpp
  engine/shapes/identify.cpp
  engine/shapes/design_fonts.cpp
  engine/shapes/font_map.cpp
  engine/shapes/glyph_picture.cpp
)

# JIS X 0213's positions of the kanji, generated from Debian's Unihan
# (unicode-data) when CMake configures, and again when the script or the
# data change; jis_x0213.cpp includes it from MINAMO_GENERATED_DIR.
set(MINAMO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(jis_script ${CMAKE_CURRENT_LIST_DIR}/../../scripts/make-jis-x0213-table.py)
set(jis_unihan /usr/share/unicode/Unihan_OtherMappings.txt.bz2)
execute_process(COMMAND /usr/bin/python3 ${jis_script} ${jis_unihan} ${MINAMO_GENERATED_DIR}/jis_x0213_table.inc
                RESULT_VARIABLE jis_failed)
if(jis_failed)
  message(FATAL_ERROR "The JIS X 0213 table could not be made from ${jis_unihan} (Debian package unicode-data)")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${jis_script} ${jis_unihan})
