# What the MinGW-w64 toolchain files share. Each sets EXCELSWEEP_MINGW_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and its compilers, then includes this. The Windows
# tests run under Wine, in the session that tests/wine/session starts.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_RC_COMPILER ${EXCELSWEEP_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${EXCELSWEEP_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run)
