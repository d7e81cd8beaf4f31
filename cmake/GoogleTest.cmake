# GoogleTest: the host's installed package for native tests; built from the
# sources Debian ships when cross-compiling for Windows.
if(CMAKE_CROSSCOMPILING)
    set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()

# Where the Windows tests' Wine session lives while CTest runs them.
set(EXCELSWEEP_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)

# A test executable registered with CTest. Natively it runs as it is; a Windows
# one runs under Wine, through the cross-compiling emulator, in the shared
# session. WINE_ONLY tests start and end real processes: their entry refuses to
# run anywhere but under Wine.
function(excelsweep_add_test name)
    cmake_parse_arguments(ARG "WINE_ONLY" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_WINE_ONLY)
        target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} wine_only_main GTest::gmock)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    if(WIN32)
        target_link_options(${name} PRIVATE -static)
        set_tests_properties(${name} PROPERTIES
            LABELS wine
            FIXTURES_REQUIRED WineSession
            RESOURCE_LOCK WineDesktop
            ENVIRONMENT "EXCELSWEEP_WINE_SESSION=${EXCELSWEEP_WINE_SESSION};EXCELSWEEP_WINE_TIMEOUT=${ARG_TIMEOUT}")
    endif()
endfunction()
