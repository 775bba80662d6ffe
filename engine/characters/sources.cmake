# The EUDC character reader: plain C++ without a Windows call. Listed once
# here for the two builds that compile it: the program's (engine/) and the
# native one with sanitizers and the fuzzer (tests/native/).
set(MINAMO_CHARACTERS_SOURCES
  engine/characters/eudc_characters.cpp
  engine/characters/code_names.cpp
  engine/characters/truetype_tables.cpp
  engine/characters/pua_cmap.cpp
  engine/characters/glyph_locations.cpp
  engine/characters/glyph_outlines.cpp
  engine/characters/outline_hash.cpp
)
