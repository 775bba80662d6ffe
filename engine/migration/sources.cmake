# The way out of EUDC: reading a map's decisions, decoding and encoding
# text files piece by piece, the records of a conversion. Plain C++ without
# a Windows call, listed once for the program's build (engine/) and the
# native one with sanitizers (tests/native/).
set(MINAMO_MIGRATION_SOURCES
  engine/migration/csv_text.cpp
  engine/migration/unicode_text.cpp
  engine/migration/map_decisions.cpp
  engine/migration/text_encoding.cpp
  engine/migration/eudc_converter.cpp
  engine/migration/conversion_record.cpp
)
