# The units without a Windows call, built natively on Linux with clang and
# the sanitizers by scripts/lib.sh (minamo_build_native, tests/native/):
# their tests, and a bounded fuzz of the font reader that starts from the
# committed seed fonts and keeps what it finds in this build folder. Both run
# by path, not under Wine; they are left out where that build is missing.
set(MINAMO_NATIVE_BUILD "" CACHE PATH "The native build of the units without a Windows call")
if(MINAMO_NATIVE_BUILD AND EXISTS ${MINAMO_NATIVE_BUILD}/native_tests
   AND EXISTS ${MINAMO_NATIVE_BUILD}/font_fuzzer)
  add_test(NAME native_tests COMMAND ${MINAMO_NATIVE_BUILD}/native_tests)
  add_test(NAME font_fuzz COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fuzz/run_font_fuzz.sh
           ${MINAMO_NATIVE_BUILD}/font_fuzzer ${PROJECT_SOURCE_DIR}/tests/fuzz/font_corpus
           ${CMAKE_BINARY_DIR}/font-fuzz 30)
  set_tests_properties(font_fuzz PROPERTIES TIMEOUT 120)
  if(EXISTS ${MINAMO_NATIVE_BUILD}/shape_fuzzer)
    add_test(NAME shape_fuzz COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fuzz/run_font_fuzz.sh
             ${MINAMO_NATIVE_BUILD}/shape_fuzzer ${PROJECT_SOURCE_DIR}/tests/fuzz/font_corpus
             ${CMAKE_BINARY_DIR}/shape-fuzz 20)
    set_tests_properties(shape_fuzz PROPERTIES TIMEOUT 120)
  endif()
  # The variation sequences and the saved shape index, from seeds of their own.
  foreach(fuzz sequence:sequence_corpus shape_index:index_corpus)
    string(REPLACE ":" ";" parts ${fuzz})
    list(GET parts 0 name)
    list(GET parts 1 corpus)
    if(EXISTS ${MINAMO_NATIVE_BUILD}/${name}_fuzzer)
      add_test(NAME ${name}_fuzz COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fuzz/run_font_fuzz.sh
               ${MINAMO_NATIVE_BUILD}/${name}_fuzzer ${PROJECT_SOURCE_DIR}/tests/fuzz/${corpus}
               ${CMAKE_BINARY_DIR}/${name}-fuzz 15)
      set_tests_properties(${name}_fuzz PROPERTIES TIMEOUT 120)
    endif()
  endforeach()
elseif(MINAMO_NATIVE_BUILD)
  message(STATUS "No native build in ${MINAMO_NATIVE_BUILD}: native_tests and font_fuzz left out")
endif()
