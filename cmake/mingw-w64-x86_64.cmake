# Cross-compiling minamo.exe on Debian with mingw-w64 for 64-bit Windows
# (x86_64); scripts/test compiles it too, the release ships the i686 build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
