# The shape index of a reference font: plain C++ without a Windows call,
# listed once for the program's build (engine/) and the native one with
# sanitizers and the fuzzer (tests/native/).
set(MINAMO_SHAPES_SOURCES
  engine/shapes/reference_characters.cpp
  engine/shapes/glyph_outline.cpp
  engine/shapes/rasterizer.cpp
  engine/shapes/shape_feature.cpp
  engine/shapes/normalization.cpp
  engine/shapes/shape_index.cpp
  engine/shapes/identify.cpp
  engine/shapes/font_map.cpp
  engine/shapes/glyph_picture.cpp
)
