# Cross-compiling minamo.exe on Debian with mingw-w64 for 32-bit Windows
# (i686): the build that ships. It runs on 32-bit and 64-bit Windows alike.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
