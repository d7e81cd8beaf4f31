# The 32-bit (x86) Windows program, compiled with Clang (see MinGWClang.cmake).
set(EXCELSWEEP_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWClang.cmake)
