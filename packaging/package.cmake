# The release zip: build/package/minamo-<major.minor>.zip, holding the folder
# minamo-<major.minor>/ with minamo.exe, README.txt (the Japanese part of
# README.md as plain text for Notepad: Shift-JIS, CRLF, no Markdown) and the
# sample EUDC.INI.
set(MINAMO_PACKAGE_NAME minamo-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(MINAMO_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/package/${MINAMO_PACKAGE_NAME}.zip)
add_custom_command(
  OUTPUT ${MINAMO_PACKAGE_ZIP}
  COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/make-zip.sh $<TARGET_FILE:minamo>
          ${CMAKE_SOURCE_DIR} ${MINAMO_PACKAGE_ZIP}
  DEPENDS minamo
          ${CMAKE_SOURCE_DIR}/README.md
          ${CMAKE_SOURCE_DIR}/packaging/EUDC.INI
          ${CMAKE_SOURCE_DIR}/packaging/readme-text.py
          ${CMAKE_SOURCE_DIR}/packaging/make-zip.sh
  COMMENT "Packing ${MINAMO_PACKAGE_NAME}.zip")
add_custom_target(package_zip ALL DEPENDS ${MINAMO_PACKAGE_ZIP})
