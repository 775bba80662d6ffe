# The test "layers": fails when a source file includes a header of a layer
# above its own. The libraries link only downward (platform <- engine <- ui
# <- app), which catches a call that goes upward; this catches a header used
# for its types or inline code alone.
#   cmake -DROOT=<source root> -P check_layers.cmake
set(layers platform engine ui app)
set(violations "")
list(LENGTH layers count)
math(EXPR last "${count} - 2")
foreach(index RANGE 0 ${last})
  list(GET layers ${index} layer)
  math(EXPR next "${index} + 1")
  list(SUBLIST layers ${next} -1 above)
  file(GLOB_RECURSE sources ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^#include \"")
    foreach(line ${includes})
      foreach(higher ${above})
        if(line MATCHES "^#include \"${higher}/")
          string(APPEND violations "\n  ${source}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(violations)
  message(FATAL_ERROR "includes from a higher layer:${violations}")
endif()
