# Clang as the compiler of the Windows program, against the MinGW-w64 headers
# and GCC runtime that the GCC toolchains use. Each clang-*.cmake toolchain
# file sets EXCELSWEEP_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR, then includes
# this.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${EXCELSWEEP_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${EXCELSWEEP_MINGW_TRIPLE})

# Clang does not take Debian's GCC folders (/usr/lib/gcc/TRIPLE/12-win32) for
# versions, so it is shown GCC's C++ library and runtime by hand: the win32
# thread model's, which needs no pthread library for a one-threaded program.
file(GLOB gcc_dirs /usr/lib/gcc/${EXCELSWEEP_MINGW_TRIPLE}/*-win32)
if(NOT gcc_dirs)
    message(FATAL_ERROR "No MinGW-w64 GCC runtime for ${EXCELSWEEP_MINGW_TRIPLE} in /usr/lib/gcc")
endif()
list(SORT gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_dirs 0 gcc_dir)
set(cxx_headers ${gcc_dir}/include/c++)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    ${cxx_headers} ${cxx_headers}/${EXCELSWEEP_MINGW_TRIPLE} ${cxx_headers}/backward)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc_dir}")

include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
