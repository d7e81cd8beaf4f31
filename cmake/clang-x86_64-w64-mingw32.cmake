# The 64-bit (x64) Windows program, compiled with Clang (see MinGWClang.cmake).
set(EXCELSWEEP_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWClang.cmake)
