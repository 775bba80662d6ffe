# The tests run with checks compiled in: libstdc++'s assertions
# (_GLIBCXX_ASSERTIONS: an index past the end, front() of an empty vector,
# ...) and the undefined-behaviour sanitizer in trap mode, which needs no
# run-time library: a failed check executes an illegal instruction and ends
# the test program there (under Wine with a backtrace; scripts/lib.sh keeps
# Wine's crash dialog away). minamo.exe, the tools and the benchmarks link
# the plain libraries, so the program that ships is built as before.
# The checked libraries are optimised less (-O1): the whole build then
# takes a fifth less compile time than with -O3 (the sanitizer's code is
# slow to optimise), and the program that ships still runs under the tests
# as a child, optimised as it ships. The tests' own files are not optimised.
#
# minamo_checked_tests(<test folder> <library folder>...) makes a copy
# <name>_checked of every static library of the library folders, with the
# checks, and points every target of the test folder at the copies, with
# the checks too. The copies cost one more compile of the libraries.
if(MSVC)
  set(MINAMO_CHECKED_TESTS OFF)  # the flags are GCC's and Clang's
else()
  option(MINAMO_CHECKED_TESTS "Build the tests and the libraries they link with run-time checks" ON)
endif()
set(MINAMO_CHECKS_UNOPTIMISED $<$<COMPILE_LANGUAGE:C,CXX>:-D_GLIBCXX_ASSERTIONS>
                              $<$<COMPILE_LANGUAGE:C,CXX>:-fsanitize=undefined>
                              $<$<COMPILE_LANGUAGE:C,CXX>:-fsanitize-undefined-trap-on-error>)
set(MINAMO_CHECKS ${MINAMO_CHECKS_UNOPTIMISED} $<$<COMPILE_LANGUAGE:C,CXX>:-O1>)
# The tests' own code and GoogleTest are not optimised at all: they are half
# of the compile time, and what they run is the libraries'.
set(MINAMO_TEST_CHECKS ${MINAMO_CHECKS_UNOPTIMISED} $<$<COMPILE_LANGUAGE:C,CXX>:-O0>)

# A list of libraries with each one that has a checked copy replaced by it.
function(minamo_to_checked out)
  set(mapped "")
  foreach(item ${ARGN})
    if(TARGET ${item}_checked)
      set(item ${item}_checked)
    elseif(item MATCHES "^\\$<LINK_ONLY:(.+)>$" AND TARGET ${CMAKE_MATCH_1}_checked)
      set(item "$<LINK_ONLY:${CMAKE_MATCH_1}_checked>")
    endif()
    list(APPEND mapped "${item}")
  endforeach()
  set(${out} "${mapped}" PARENT_SCOPE)
endfunction()

# Points a target's links (and, for a library, its users' links) at the
# checked copies.
function(minamo_link_checked target)
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(links ${target} ${property})
    if(links)
      minamo_to_checked(links ${links})
      set_property(TARGET ${target} PROPERTY ${property} "${links}")
    endif()
  endforeach()
endfunction()

function(minamo_checked_copy target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(folder ${target} SOURCE_DIR)
  # Sources named relative to the library's own folder.
  list(TRANSFORM sources PREPEND ${folder}/ REGEX "^[^/$]")
  add_library(${target}_checked STATIC EXCLUDE_FROM_ALL ${sources})
  foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS
                   INTERFACE_COMPILE_DEFINITIONS COMPILE_OPTIONS INTERFACE_COMPILE_OPTIONS
                   LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(value ${target} ${property})
    if(value)
      set_property(TARGET ${target}_checked PROPERTY ${property} "${value}")
    endif()
  endforeach()
  target_compile_options(${target}_checked PRIVATE ${MINAMO_CHECKS})
  minamo_link_checked(${target}_checked)
endfunction()

function(minamo_checked_tests tests)
  if(NOT MINAMO_CHECKED_TESTS)
    return()
  endif()
  # Lower layers first: each copy links the copies made before it.
  foreach(folder ${ARGN})
    get_directory_property(targets DIRECTORY ${folder} BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "STATIC_LIBRARY")
        minamo_checked_copy(${target})
      endif()
    endforeach()
  endforeach()
  get_directory_property(targets DIRECTORY ${tests} BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY)$")
      target_compile_options(${target} PRIVATE ${MINAMO_TEST_CHECKS})
      minamo_link_checked(${target})
    endif()
  endforeach()
  # GoogleTest too, so that the inline library code it shares with the
  # tests is the checked one whichever copy the linker keeps.
  target_compile_options(gtest PRIVATE ${MINAMO_TEST_CHECKS})
endfunction()
