# GoogleTest: the host's installed package for native tests; built from the
# sources Debian ships when cross-compiling for Windows.
if(CMAKE_CROSSCOMPILING)
    set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
else()
    find_package(GTest REQUIRED)
endif()

# A test executable registered with CTest: natively it runs as it is; a
# Windows one runs under Wine through the cross-compiling emulator.
function(excelsweep_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
    if(WIN32)
        target_link_options(${name} PRIVATE -static)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_PROPERTIES)
        set_tests_properties(${name} PROPERTIES ${ARG_PROPERTIES})
    endif()
endfunction()
