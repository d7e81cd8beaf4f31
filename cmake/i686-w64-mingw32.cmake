# The 32-bit (x86) Windows program, cross-compiled with MinGW-w64 GCC.
set(EXCELSWEEP_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
# The posix thread model: GoogleTest needs std::thread and std::mutex.
set(CMAKE_C_COMPILER ${EXCELSWEEP_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EXCELSWEEP_MINGW_TRIPLE}-g++-posix)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
