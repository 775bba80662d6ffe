# What both mingw-w64 toolchain files share; they set TOOLCHAIN_PREFIX and
# CMAKE_SYSTEM_PROCESSOR first.
# The -posix compilers are needed: the win32 thread model has no std::mutex,
# which GoogleTest uses.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run under Wine; scripts/wine-run sets up the prefix and locale.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

# minamo.exe has one thread, and the posix thread model's runtime brings
# libwinpthread, which imports functions of newer Windows (GetTickCount64
# needs Vista). The program alone is linked against the runtime libraries
# (libstdc++, libgcc) of the same GCC built for the win32 thread model; the
# tests keep the posix ones that GoogleTest needs.
execute_process(COMMAND ${TOOLCHAIN_PREFIX}-gcc-win32 -print-libgcc-file-name
                OUTPUT_VARIABLE MINAMO_WIN32_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
if(MINAMO_WIN32_LIBGCC AND EXISTS "${MINAMO_WIN32_LIBGCC}")
  get_filename_component(MINAMO_PROGRAM_RUNTIME_DIR "${MINAMO_WIN32_LIBGCC}" DIRECTORY)
endif()
